#ifndef VELMORA_SHARDS_H
#define VELMORA_SHARDS_H

// A sweep spread over machines (a job array, a Dask cluster): shard I of N
// computes the I-th of N contiguous slices of the sweep's rows, the same rows
// in the same order as the whole sweep gives them, and `velmora-cli merge`
// joins the shard files into the text of the whole sweep, byte for byte.
// Contiguous slices make the merge a concatenation and let every shard
// stream and resume like a whole sweep.

#include <cstddef>
#include <string>
#include <vector>

namespace velmora::cli {

struct ShardSpec {
    std::size_t index = 0; // 1-based; 0: the whole sweep
    std::size_t count = 0;
};

// "I/N" with 1 <= I <= N; throws BadInput naming --shard otherwise.
ShardSpec parseShardSpec(const std::string &text);

// Grid rows first .. end-1 of shard `spec` of a sweep of `total` rows: the
// first (I-1)·total/N, rounded down, to I·total/N.
void shardRows(const ShardSpec &spec, std::size_t total, std::size_t *first, std::size_t *end);

// 16 hex digits identifying a text (64-bit FNV-1a): the same sweep gives the
// same id on every machine.
std::string fingerprint(const std::string &text);

// velmora-cli merge: checks that `files` are the shards 1..N of one sweep,
// each complete, and writes the whole sweep's text to `outputPath` ("" or
// "-": stdout). Exit status as the other commands (2: the files do not make
// one sweep, naming the file and the reason).
int mergeCommand(const std::vector<std::string> &files, const std::string &outputPath);

} // namespace velmora::cli

#endif // VELMORA_SHARDS_H
