// velmora-cli: every calculation of Velmora from the command line. Links the
// calculator catalogue only (Qt Core for the page's number texts); no display
// and no Qt GUI library.
#include "clicommands.h"
#include "costlimit.h"
#include "outputsink.h"
#include "shards.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>

using namespace velmora::cli;

int main(int argc, char **argv)
{
    CLI::App app{
        "Velmora calculators from the command line: list them, describe their inputs and "
        "outputs, run one, sweep inputs over a grid (whole or in shards) or merge shards."};
    app.set_version_flag("--version", std::string("velmora-cli ") + VELMORA_VERSION);
    app.require_subcommand(1);
    app.fallthrough();
    std::string lang;
    app.add_option("--lang", lang,
                   "language of titles, captions and messages (default: zh when LANG starts "
                   "with zh, else en)")
        ->check(CLI::IsMember({"zh", "en"}));

    double maxSeconds = 0, maxMemoryGb = 0;
    app.add_option("--max-seconds", maxSeconds,
                   "refuse work estimated to take longer (default 60, or VELMORA_MAX_SECONDS)")
        ->check(CLI::PositiveNumber);
    app.add_option("--max-memory-gb", maxMemoryGb,
                   "refuse work estimated to need more memory (default 2, or "
                   "VELMORA_MAX_MEMORY_GB)")
        ->check(CLI::PositiveNumber);

    std::string listFormat = "table";
    CLI::App *list = app.add_subcommand("list", "the calculators: id and title");
    list->add_option("--format", listFormat, "table or json")
        ->check(CLI::IsMember({"table", "json"}));

    std::string describeId, describeFormat = "table";
    CLI::App *describe = app.add_subcommand("describe", "inputs and outputs of one calculator");
    describe->add_option("id", describeId, "calculator id")->required();
    describe->add_option("--format", describeFormat, "table or json")
        ->check(CLI::IsMember({"table", "json"}));

    RunOptions run;
    run.format = "table";
    CLI::App *runCmd =
        app.add_subcommand("run", "one calculation; missing inputs take the page defaults");
    runCmd->add_option("id", run.id, "calculator id")->required();
    runCmd->add_option("inputs", run.arguments, "key=value ...");
    runCmd->add_option("--format", run.format, "table, json or csv")
        ->check(CLI::IsMember({"table", "json", "csv"}));
    runCmd->add_option("--outputs", run.outputs, "only these outputs (k1,k2)")->delimiter(',');
    runCmd->add_option("--design", run.designPath,
                       "take the inputs from a saved design (.velmora.json) first");
    runCmd->add_option("-o,--output", run.outputPath,
                       "write to FILE (atomically) instead of stdout");

    SweepOptions sweep;
    sweep.format = "csv";
    CLI::App *sweepCmd =
        app.add_subcommand("sweep", "every combination of swept inputs, one row per point");
    sweepCmd->add_option("id", sweep.id, "calculator id")->required();
    sweepCmd->add_option("inputs", sweep.arguments,
                         "key=START:STOP:COUNT (swept) or key=value (fixed)");
    sweepCmd->add_option("--log", sweep.logKeys, "geometric spacing for these swept keys")
        ->delimiter(',');
    sweepCmd->add_option("--outputs", sweep.outputs, "only these outputs (k1,k2)")->delimiter(',');
    sweepCmd->add_option("--format", sweep.format, "csv or json")
        ->check(CLI::IsMember({"csv", "json"}));
    sweepCmd->add_option("-j,--jobs", sweep.jobs, "threads (default: every core)")
        ->check(CLI::Range(1u, 1024u));
    sweepCmd->add_option("-o,--output", sweep.outputPath,
                         "write to FILE instead of stdout: rows go to FILE.<id>.part as they "
                         "are computed, renamed over FILE when complete");
    sweepCmd->add_option("--shard", sweep.shard,
                         "compute only shard I of N (I/N, from 1): the I-th of N contiguous "
                         "slices of the rows; join the shards with merge");
    sweepCmd->add_flag("--resume", sweep.resume,
                       "continue an interrupted sweep to -o FILE from its last complete row");

    std::vector<std::string> mergeFiles;
    std::string mergeOutput;
    CLI::App *mergeCmd = app.add_subcommand(
        "merge", "join the shard files of one sweep (sweep --shard I/N) into the whole sweep");
    mergeCmd->add_option("files", mergeFiles, "every shard file, in any order")->required();
    mergeCmd->add_option("-o,--output", mergeOutput,
                         "write to FILE (atomically) instead of stdout");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp &e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp &e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion &e) {
        return app.exit(e);
    } catch (const CLI::ParseError &e) {
        std::fprintf(stderr, "velmora-cli: %s\n", e.what());
        return 2;
    }

    const Lang language = lang.empty()   ? languageFromEnvironment()
                          : lang == "zh" ? Lang::Zh
                                         : Lang::En;
    run.lang = sweep.lang = language;
    velmora::calc::CostLimit limit = velmora::calc::costLimit();
    if (maxSeconds > 0)
        limit.seconds = maxSeconds;
    if (maxMemoryGb > 0)
        limit.bytes = maxMemoryGb * 1e9;
    velmora::calc::setCostLimit(limit);
    installInterruptHandler();
    try {
        if (list->parsed())
            return listCommand(listFormat, language);
        if (describe->parsed())
            return describeCommand(describeId, describeFormat, language);
        if (runCmd->parsed())
            return runCommand(run);
        if (mergeCmd->parsed())
            return mergeCommand(mergeFiles, mergeOutput);
        return sweepCommand(sweep);
    } catch (const BadInput &e) {
        std::fprintf(stderr, "velmora-cli: %s\n", e.what());
        return 2;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "velmora-cli: internal error: %s\n", e.what());
        return 1;
    }
}
