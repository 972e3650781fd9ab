#ifndef PARALLELROWS_H
#define PARALLELROWS_H

#include "innerthreads.h"

#include <system_error>
#include <thread>

// Runs body(row) for row = 0 .. rows-1 on two threads (the calling thread and
// one helper), interleaving the rows so both get a similar mix of cheap and
// expensive rows. Every row is run exactly once; rows must be independent.
// Falls back to the calling thread alone when no thread can be started, and
// when the caller has turned inner threads off (innerthreads.h).
template <typename Body> void parallelRows(int rows, Body body)
{
    auto runShare = [&](int first) {
        for (int row = first; row < rows; row += 2)
            body(row);
    };
    if (!innerthreads::allowed()) {
        runShare(0);
        runShare(1);
        return;
    }
    std::thread helper;
    try {
        helper = std::thread(runShare, 1);
    } catch (const std::system_error &) {
        runShare(0);
        runShare(1);
        return;
    }
    runShare(0);
    helper.join();
}

#endif // PARALLELROWS_H
