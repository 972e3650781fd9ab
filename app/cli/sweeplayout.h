#ifndef VELMORA_SWEEPLAYOUT_H
#define VELMORA_SWEEPLAYOUT_H

// The text of a sweep in pieces, so its rows can be written as they are
// computed: a head, one record per point, a separator between two records and
// a tail. Joined for every point of the grid, the pieces are exactly the text
// of the whole sweep (CSV: the column line and one record per point; JSON: one
// document whose "points" array holds one object per point).
//
// A shard (one of N slices of the grid, computed on its own machine) carries
// one more head line saying which slice of which sweep it holds, so merging
// the shards can check they belong together and are complete, and then drop
// that line.

#include "calculator.h"
#include "clitext.h"
#include "sweep.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

// Which slice of which sweep a text holds: shard `index` (1-based) of
// `count`, grid rows first .. end-1 of `total`. `sweepId` identifies the
// sweep (calculator, grid, fixed inputs, outputs, format, language, shard
// count and program version), so shards of different sweeps never merge.
struct ShardInfo {
    std::size_t index = 0;
    std::size_t count = 0;
    std::size_t first = 0;
    std::size_t end = 0;
    std::size_t total = 0;
    std::string sweepId;
};

// Complete records at the start of a text that follows a head: how many, and
// how many bytes they take (with the separators between them). What follows
// is an unfinished record (a file cut by a crash).
struct RecordScan {
    std::size_t records = 0;
    std::size_t bytes = 0;
};

// Counts the complete records of a CSV or JSON body.
RecordScan scanRecords(std::string_view body, bool json);

class SweepLayout
{
public:
    // format: "csv" or "json"; outputs: the output keys of each record.
    SweepLayout(const calc::CalculatorDescription &description, std::vector<calc::SweepAxis> axes,
                calc::Assignments fixed, std::vector<std::string> outputs, std::string format,
                Lang lang);

    bool isJson() const { return m_format == "json"; }

    // Everything before the first record; with the shard line when `shard`
    // is given.
    std::string head(const ShardInfo *shard = nullptr) const;
    std::string record(const calc::SweepPoint &point) const;
    std::string separator() const { return isJson() ? ",\n" : ""; }
    std::string tail() const { return isJson() ? "\n ]\n}\n" : ""; }

    RecordScan scanRecords(std::string_view body) const { return cli::scanRecords(body, isJson()); }

private:
    const calc::CalculatorDescription &m_description;
    std::vector<calc::SweepAxis> m_axes;
    calc::Assignments m_fixed;
    std::vector<std::string> m_outputs;
    std::string m_format;
    Lang m_lang;
};

// The shard line of a head and the head without it: reads the first line of
// `text` (CSV: "# velmora-cli sweep shard I/N rows A-B of T id X"; JSON: the
// "shard" member). False when `text` does not start like a shard.
bool readShardHead(std::string_view text, ShardInfo *shard, std::string *headWithoutShard,
                   std::size_t *headBytes);

} // namespace velmora::cli

#endif // VELMORA_SWEEPLAYOUT_H
