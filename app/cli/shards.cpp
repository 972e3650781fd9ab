#include "shards.h"

#include "clitext.h"
#include "outputsink.h"
#include "sweeplayout.h"
#include "sweepsink.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

namespace velmora::cli {

namespace {

constexpr std::string_view kJsonTail = "\n ]\n}\n";

bool wholeNumber(const std::string &text, std::size_t *value)
{
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    *value = std::stoul(text);
    return true;
}

std::string readFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw BadInput("cannot read the shard file \"" + path + "\"");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// One shard file taken apart: its shard line, its head without that line,
// and its records (the body between the head and the tail).
struct ShardFile {
    std::string path;
    ShardInfo info;
    std::string head;
    std::size_t bodyStart = 0;
    std::size_t bodyBytes = 0;
    bool json = false;
};

// A shard file whose head and body are whole: every row of its slice, in
// full, and nothing after them.
ShardFile readShard(const std::string &path, const std::string &text)
{
    ShardFile shard;
    shard.path = path;
    std::size_t headBytes = 0;
    if (!readShardHead(text, &shard.info, &shard.head, &headBytes))
        throw BadInput(path +
                       ": not a shard of a velmora-cli sweep (written by sweep --shard I/N)");
    shard.json = text[0] == '{';
    const std::size_t tail = shard.json ? kJsonTail.size() : 0;
    const bool tailThere = !shard.json || (text.size() >= headBytes + tail &&
                                           text.compare(text.size() - tail, tail, kJsonTail) == 0);
    shard.bodyStart = headBytes;
    shard.bodyBytes = tailThere ? text.size() - headBytes - tail : 0;
    const std::string_view body = std::string_view(text).substr(headBytes, shard.bodyBytes);
    // The records are counted as a resume would count them.
    const RecordScan scan = scanRecords(body, shard.json);
    if (shard.info.end < shard.info.first)
        throw BadInput(path + ": its shard line does not describe a slice of the sweep");
    const std::size_t expected = shard.info.end - shard.info.first;
    if (!tailThere || scan.records != expected || scan.bytes != body.size())
        throw BadInput(path + ": shard " + std::to_string(shard.info.index) + "/" +
                       std::to_string(shard.info.count) + " is incomplete (" +
                       std::to_string(scan.records) + " of its " + std::to_string(expected) +
                       " rows)");
    return shard;
}

void checkShardsFit(const std::vector<ShardFile> &shards)
{
    const ShardFile &one = shards.front();
    std::map<std::size_t, const ShardFile *> byIndex;
    for (const ShardFile &s : shards) {
        if (s.info.sweepId != one.info.sweepId || s.info.count != one.info.count ||
            s.info.total != one.info.total || s.head != one.head || s.json != one.json)
            throw BadInput(s.path + ": a shard of another sweep than " + one.path);
        std::size_t first = 0, end = 0;
        shardRows({s.info.index, s.info.count}, s.info.total, &first, &end);
        if (s.info.index < 1 || s.info.index > s.info.count || s.info.first != first ||
            s.info.end != end)
            throw BadInput(s.path + ": its shard line does not describe a slice of the sweep");
        if (!byIndex.emplace(s.info.index, &s).second)
            throw BadInput(s.path + ": shard " + std::to_string(s.info.index) + " given twice (" +
                           byIndex[s.info.index]->path + ")");
    }
    for (std::size_t i = 1; i <= one.info.count; ++i)
        if (!byIndex.count(i))
            throw BadInput("shard " + std::to_string(i) + "/" + std::to_string(one.info.count) +
                           " is missing");
}

} // namespace

ShardSpec parseShardSpec(const std::string &text)
{
    const std::size_t slash = text.find('/');
    ShardSpec spec;
    if (slash == std::string::npos || !wholeNumber(text.substr(0, slash), &spec.index) ||
        !wholeNumber(text.substr(slash + 1), &spec.count) || spec.index < 1 ||
        spec.index > spec.count)
        throw BadInput("--shard \"" + text +
                       "\": must be I/N, shard I (counted from 1) of N, 1 <= I <= N");
    return spec;
}

void shardRows(const ShardSpec &spec, std::size_t total, std::size_t *first, std::size_t *end)
{
    // total <= 1e6 and count <= total: the products stay far below 2^64.
    *first = std::size_t((std::uint64_t(spec.index) - 1) * total / spec.count);
    *end = std::size_t(std::uint64_t(spec.index) * total / spec.count);
}

std::string fingerprint(const std::string &text)
{
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a offset basis and prime
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

int mergeCommand(const std::vector<std::string> &files, const std::string &outputPath)
{
    // First pass: every file is checked before a byte is written.
    std::vector<ShardFile> shards;
    for (const std::string &path : files)
        shards.push_back(readShard(path, readFile(path)));
    checkShardsFit(shards);
    std::sort(shards.begin(), shards.end(),
              [](const ShardFile &a, const ShardFile &b) { return a.info.index < b.info.index; });

    SweepSink sink;
    std::size_t kept = 0;
    std::string failure = sink.open(outputPath, "merge-" + shards.front().info.sweepId,
                                    shards.front().head, false, nullptr, &kept);
    for (std::size_t i = 0; failure.empty() && i < shards.size(); ++i) {
        if (g_interrupted.load()) {
            sink.discard();
            std::fprintf(stderr, "velmora-cli: interrupted\n");
            return 130;
        }
        // Second pass, one file in memory at a time.
        const std::string text = readFile(shards[i].path);
        if (i > 0 && shards[i].json)
            failure = sink.append(",\n");
        if (failure.empty())
            failure = sink.append(text.substr(shards[i].bodyStart, shards[i].bodyBytes));
    }
    if (failure.empty())
        failure = sink.finish(shards.front().json ? std::string(kJsonTail) : std::string());
    if (failure.empty())
        return 0;
    sink.discard();
    std::fprintf(stderr, "velmora-cli: %s\n", failure.c_str());
    return 1;
}

} // namespace velmora::cli
