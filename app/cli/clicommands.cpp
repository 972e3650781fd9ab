#include "clicommands.h"

#include "boundedfile.h"
#include "cancellation.h"
#include "catalogue.h"
#include "clireport.h"
#include "designfile.h"
#include "outputsink.h"
#include "shards.h"
#include "sweep.h"
#include "sweeplayout.h"
#include "sweepsink.h"
#include "textformat.h"
#include "validation.h"

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <optional>
#include <sstream>
#include <thread>

namespace velmora::cli {

using namespace velmora::calc;

namespace {

const Calculator &findCalculator(const std::string &id)
{
    if (const Calculator *c = catalogue().find(id))
        return *c;
    throw BadInput("unknown calculator id \"" + quotedInput(id) +
                   "\" (velmora-cli list shows them)");
}

Assignment assignmentOf(const std::string &argument)
{
    Assignment a;
    if (!splitAssignment(argument, &a))
        throw BadInput("\"" + quotedInput(argument) + "\" is not of the form key=value");
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
    // A regular file of at most 16 MB, opened without blocking (a FIFO or a
    // device named here is refused at once).
    const boundedfile::Reading file = boundedfile::readRegularFile(path);
    if (file.failure != boundedfile::Failure::None)
        throw BadInput("design file \"" + quotedInput(path) +
                       "\": " + boundedfile::failureText(file.failure, file.detail));
    const std::string &text = file.text;
    const designs::DesignReading reading = designs::readDesign(text, catalogue());
    if (!reading.ok)
        throw BadInput(quotedInput(path) + ": " +
                       (lang == Lang::Zh ? reading.error.zh : reading.error.en));
    Assignments assignments;
    const auto tab = reading.design.tabs.find(id);
    if (tab != reading.design.tabs.end())
        for (const auto &[key, value] : tab->second)
            assignments.emplace_back(key, value);
    return assignments;
}

// What makes two sweeps the same, for the id of their shards and side
// files: the program version, the calculator, the grid, the fixed inputs,
// the outputs, the format, the language and the shard count. The thread
// count is left out (the rows do not depend on it).
std::string sweepIdentity(const SweepOptions &options, const std::vector<SweepAxis> &axes,
                          const Assignments &fixed, const std::vector<std::string> &outputs,
                          std::size_t shards)
{
    std::string text = std::string("velmora-cli ") + VELMORA_VERSION + "\n" + options.id + "\n";
    for (const SweepAxis &a : axes) {
        text += a.key + "=";
        for (double v : a.values())
            text += exactText(v) + " ";
        text += "\n";
    }
    for (const auto &[key, value] : fixed)
        text += key + ":" + value + "\n";
    for (const std::string &key : outputs)
        text += key + ",";
    text += "\n" + options.format + (options.lang == Lang::Zh ? " zh" : " en") + " shards " +
            std::to_string(shards);
    return text;
}

// evaluate() on a thread of its own with the interrupt flag as its cancel
// flag (cancellation.h), so Ctrl-C ends a long calculation within one order,
// offset or iteration of the model; nothing when interrupted. Should a model
// not look at the flag in time, the process ends anyway: nothing has been
// written yet, so no partial output can be left behind.
std::optional<Result> evaluateInterruptibly(const Calculator &calculator, const Inputs &inputs)
{
    std::promise<Result> promise;
    std::future<Result> future = promise.get_future();
    std::thread worker([&] {
        const cancellation::Scope scope(&g_interrupted);
        try {
            promise.set_value(calculator.evaluate(inputs));
        } catch (...) {
            promise.set_exception(std::current_exception());
        }
    });
    while (future.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        if (!g_interrupted.load())
            continue;
        if (future.wait_for(std::chrono::milliseconds(400)) != std::future_status::ready) {
            std::fprintf(stderr, "velmora-cli: interrupted\n");
            std::fflush(stderr);
            std::_Exit(130);
        }
    }
    worker.join();
    try {
        Result result = future.get();
        if (g_interrupted.load())
            return std::nullopt;
        return result;
    } catch (const cancellation::Cancelled &) {
        return std::nullopt;
    }
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
    const std::optional<Result> evaluated = evaluateInterruptibly(calculator, inputs);
    if (!evaluated) {
        std::fprintf(stderr, "velmora-cli: interrupted\n");
        return 130;
    }
    Result result = *evaluated;
    attributeToGivenKeys(result, assignments);
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
            throw BadInput("--log " + quotedInput(key) + ": " + quotedInput(key) + " is not swept");
        axis->logarithmic = true;
    }
    refuseIf(checkSweep(description, axes, fixed), options.lang);
    refuseIf(checkSweepCost(calculator, axes, fixed, options.jobs), options.lang);
    const std::vector<std::string> outputs =
        selectOutputs(description, options.outputs, options.format == "csv");
    if (options.resume && (options.outputPath.empty() || options.outputPath == "-"))
        throw BadInput("--resume continues the file of -o FILE: give -o");

    const std::size_t total = sweepPointCount(axes);
    ShardInfo shard;
    shard.total = shard.end = total;
    if (!options.shard.empty()) {
        const ShardSpec spec = parseShardSpec(options.shard);
        if (spec.count > total)
            throw BadInput("--shard " + options.shard + ": " + std::to_string(spec.count) +
                           " shards for a sweep of " + std::to_string(total) + " rows");
        shard.index = spec.index;
        shard.count = spec.count;
        shardRows(spec, total, &shard.first, &shard.end);
    }
    const SweepLayout layout(description, axes, fixed, outputs, options.format, options.lang);
    shard.sweepId = fingerprint(sweepIdentity(options, axes, fixed, outputs, shard.count));
    const std::string sideId =
        shard.index ? fingerprint(shard.sweepId + " shard " + std::to_string(shard.index))
                    : shard.sweepId;

    SweepSink sink;
    std::size_t kept = 0;
    const std::size_t rows = shard.end - shard.first;
    std::string failure =
        sink.open(options.outputPath, sideId, layout.head(shard.index ? &shard : nullptr),
                  options.resume, &layout, &kept);
    if (failure.empty() && options.resume && !sink.hasSideFile())
        failure = options.outputPath + ": --resume needs -o to name a regular file";
    if (failure.empty() && kept > rows)
        failure = options.outputPath + ": the side file holds more rows than this sweep";
    if (!failure.empty()) {
        sink.discard();
        std::fprintf(stderr, "velmora-cli: %s\n", failure.c_str());
        return 1;
    }
    if (kept > 0)
        std::fprintf(stderr, "velmora-cli: %zu of %zu rows already in the side file, resuming\n",
                     kept, rows);

    calc::SweepOptions run;
    run.threads = options.jobs;
    run.cancel = &g_interrupted;
    // Rows streaming onto the same terminal would run through the counter.
    const bool rowsOnTerminal =
        (options.outputPath.empty() || options.outputPath == "-") && isatty(STDOUT_FILENO);
    if (!rowsOnTerminal)
        run.progress = progressReporter();
    run.first = shard.first + kept;
    run.end = shard.end;
    run.onPoint = [&](std::size_t index, SweepPoint &&point) {
        const bool firstRecord = index == shard.first;
        failure =
            sink.append((firstRecord ? std::string() : layout.separator()) + layout.record(point));
        return failure.empty();
    };
    const SweepResult sweep = runSweep(calculator, axes, fixed, run);
    if (failure.empty() && !sweep.cancelled && !g_interrupted.load())
        failure = sink.finish(layout.tail());
    else if (failure.empty())
        failure = "interrupted";
    if (failure.empty())
        return 0;

    const std::string side = sink.keepForResume();
    const std::size_t done = kept + sweep.delivered;
    std::fprintf(stderr, "\nvelmora-cli: %s", failure.c_str());
    if (!side.empty() && done < rows)
        std::fprintf(stderr,
                     "; %zu of %zu rows kept in %s (the same command with --resume "
                     "continues it)",
                     done, rows, side.c_str());
    else if (!side.empty())
        std::fprintf(stderr, "; every row is in %s (the same command with --resume finishes it)",
                     side.c_str());
    std::fprintf(stderr, "\n");
    return failure == "interrupted" ? 130 : 1;
}

} // namespace velmora::cli
