#include "clicommands.h"

#include "catalogue.h"
#include "clireport.h"
#include "designfile.h"
#include "outputsink.h"
#include "sweep.h"
#include "validation.h"

#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace velmora::cli {

using namespace velmora::calc;

namespace {

const Calculator &findCalculator(const std::string &id)
{
    if (const Calculator *c = catalogue().find(id))
        return *c;
    throw BadInput("unknown calculator id \"" + id + "\" (velmora-cli list shows them)");
}

Assignment assignmentOf(const std::string &argument)
{
    Assignment a;
    if (!splitAssignment(argument, &a))
        throw BadInput("\"" + argument + "\" is not of the form key=value");
    return a;
}

void refuseIf(const std::optional<Notice> &notice, Lang lang)
{
    if (notice)
        throw BadInput(noticeLine(*notice, lang));
}

int deliver(const std::string &path, const std::string &content)
{
    if (g_interrupted.load()) {
        std::fprintf(stderr, "velmora-cli: interrupted\n");
        return 130;
    }
    const std::string failure = writeOutput(path, content);
    if (failure.empty())
        return 0;
    std::fprintf(stderr, "velmora-cli: %s\n", failure.c_str());
    return g_interrupted.load() ? 130 : 1;
}

// "\r12/40" on a terminal only, so redirected stderr stays clean.
std::function<void(std::size_t, std::size_t)> progressReporter()
{
    if (!isatty(STDERR_FILENO))
        return {};
    return [](std::size_t done, std::size_t total) {
        if (done == total || done % std::max<std::size_t>(1, total / 200) == 0)
            std::fprintf(stderr, "\r%zu/%zu%s", done, total, done == total ? "\n" : "");
    };
}

// The tab's inputs held by a saved design, as assignments (key order), so
// key=value arguments given after them win. The whole file is validated
// first: a file the window would refuse is refused here too.
Assignments designAssignments(const std::string &path, const std::string &id, Lang lang)
{
    constexpr std::streamsize kMaxDesignBytes = 16 * 1024 * 1024;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw BadInput("cannot read the design file \"" + path + "\"");
    std::string text(std::size_t(kMaxDesignBytes) + 1, '\0');
    file.read(text.data(), kMaxDesignBytes + 1);
    if (file.gcount() > kMaxDesignBytes)
        throw BadInput("\"" + path + "\" is too large to be a design file");
    text.resize(std::size_t(file.gcount()));
    const designs::DesignReading reading = designs::readDesign(text, catalogue());
    if (!reading.ok)
        throw BadInput(path + ": " + (lang == Lang::Zh ? reading.error.zh : reading.error.en));
    Assignments assignments;
    const auto tab = reading.design.tabs.find(id);
    if (tab != reading.design.tabs.end())
        for (const auto &[key, value] : tab->second)
            assignments.emplace_back(key, value);
    return assignments;
}

} // namespace

int listCommand(const std::string &format, Lang lang)
{
    return deliver("", listText(catalogue(), format, lang));
}

int describeCommand(const std::string &id, const std::string &format, Lang lang)
{
    return deliver("", describeText(findCalculator(id).description(), format, lang));
}

int runCommand(const RunOptions &options)
{
    const Calculator &calculator = findCalculator(options.id);
    const CalculatorDescription &description = calculator.description();
    Assignments assignments;
    for (const std::string &argument : options.arguments)
        assignments.push_back(assignmentOf(argument));
    refuseIf(checkAssignments(description, assignments), options.lang);
    const std::vector<std::string> outputs = selectOutputs(description, options.outputs, false);
    if (!options.designPath.empty()) {
        Assignments fromDesign = designAssignments(options.designPath, options.id, options.lang);
        assignments.insert(assignments.begin(), fromDesign.begin(), fromDesign.end());
    }

    const Inputs inputs = applyAssignments(calculator, assignments);
    const Result result = calculator.evaluate(inputs);
    if (result.refused) {
        std::string line;
        for (const Notice &n : result.notices)
            line += (line.empty() ? "" : "; ") + noticeLine(n, options.lang);
        throw BadInput(line);
    }
    if (options.format == "csv") // notices stay out of the data
        for (const Notice &n : result.notices)
            std::fprintf(stderr, "%s\n", noticeLine(n, options.lang).c_str());
    return deliver(options.outputPath,
                   runText(description, inputs, result, outputs, options.format, options.lang));
}

int sweepCommand(const SweepOptions &options)
{
    const Calculator &calculator = findCalculator(options.id);
    const CalculatorDescription &description = calculator.description();
    std::vector<SweepAxis> axes;
    Assignments fixed;
    for (const std::string &argument : options.arguments) {
        const Assignment a = assignmentOf(argument);
        if (a.second.find(':') == std::string::npos) {
            fixed.push_back(a);
            continue;
        }
        SweepAxis axis;
        refuseIf(parseSweepAxis(a.first, a.second, &axis), options.lang);
        axes.push_back(axis);
    }
    if (axes.empty())
        throw BadInput("sweep needs at least one key=START:STOP:COUNT");
    for (const std::string &key : options.logKeys) {
        const auto axis = std::find_if(axes.begin(), axes.end(),
                                       [&](const SweepAxis &a) { return a.key == key; });
        if (axis == axes.end())
            throw BadInput("--log " + key + ": " + key + " is not swept");
        axis->logarithmic = true;
    }
    refuseIf(checkSweep(description, axes, fixed), options.lang);
    const std::vector<std::string> outputs =
        selectOutputs(description, options.outputs, options.format == "csv");

    calc::SweepOptions run;
    run.threads = options.jobs;
    run.cancel = &g_interrupted;
    run.progress = progressReporter();
    const SweepResult sweep = runSweep(calculator, axes, fixed, run);
    if (sweep.cancelled) {
        std::fprintf(stderr, "\nvelmora-cli: interrupted\n");
        return 130;
    }
    return deliver(options.outputPath, sweepText(description, axes, fixed, sweep, outputs,
                                                 options.format, options.lang));
}

} // namespace velmora::cli
