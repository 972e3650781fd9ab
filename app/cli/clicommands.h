#ifndef VELMORA_CLICOMMANDS_H
#define VELMORA_CLICOMMANDS_H

// The commands of velmora-cli (merge: shards.h). Each returns the exit status: 0 done,
// 1 the output could not be written, 2 bad input (BadInput thrown, reported
// by main), 130 interrupted.

#include "clitext.h"

#include <string>
#include <vector>

namespace velmora::cli {

struct RunOptions {
    std::string id;
    std::vector<std::string> arguments; // key=value, in order
    std::vector<std::string> outputs;   // --outputs
    std::string format;
    std::string outputPath; // -o
    std::string designPath; // --design: inputs from a saved design first
    Lang lang = Lang::En;
};

struct SweepOptions : RunOptions {
    std::vector<std::string> logKeys; // --log
    unsigned jobs = 0;                // -j; 0: every core
    std::string shard;                // --shard I/N; "": the whole sweep
    bool resume = false;              // --resume: continue the side file of -o
};

int listCommand(const std::string &format, Lang lang);
int describeCommand(const std::string &id, const std::string &format, Lang lang);
int runCommand(const RunOptions &options);
int sweepCommand(const SweepOptions &options);

} // namespace velmora::cli

#endif // VELMORA_CLICOMMANDS_H
