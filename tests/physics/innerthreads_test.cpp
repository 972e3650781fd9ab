// A serial scope keeps parallelRows on the calling thread, nests, and gives
// the same rows as the two-thread split.
#include "innerthreads.h"
#include "parallelrows.h"

#include <gtest/gtest.h>

#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace {

std::set<std::thread::id> threadsOfRows(int rows, std::vector<int> *visits)
{
    std::set<std::thread::id> ids;
    std::mutex mutex;
    visits->assign(rows, 0);
    parallelRows(rows, [&](int row) {
        std::lock_guard<std::mutex> lock(mutex);
        ids.insert(std::this_thread::get_id());
        ++(*visits)[row];
    });
    return ids;
}

} // namespace

TEST(InnerThreads, SerialScopeKeepsEveryRowOnTheCallingThread)
{
    std::vector<int> visits;
    const innerthreads::SerialScope serial;
    EXPECT_FALSE(innerthreads::allowed());
    const auto ids = threadsOfRows(64, &visits);
    EXPECT_EQ(ids, std::set<std::thread::id>{std::this_thread::get_id()});
    EXPECT_EQ(visits, std::vector<int>(64, 1));
}

TEST(InnerThreads, ScopesNestAndRestore)
{
    EXPECT_TRUE(innerthreads::allowed());
    {
        const innerthreads::SerialScope outer;
        {
            const innerthreads::SerialScope inner;
            EXPECT_FALSE(innerthreads::allowed());
        }
        EXPECT_FALSE(innerthreads::allowed());
    }
    EXPECT_TRUE(innerthreads::allowed());
}

TEST(InnerThreads, TheFlagBelongsToOneThread)
{
    const innerthreads::SerialScope serial;
    bool otherAllowed = false;
    std::thread([&] { otherAllowed = innerthreads::allowed(); }).join();
    EXPECT_TRUE(otherAllowed);
    std::vector<int> visits;
    threadsOfRows(9, &visits);
    EXPECT_EQ(visits, std::vector<int>(9, 1)); // odd count: no row lost or doubled
}
