// SPDX-License-Identifier: GPL-3.0-or-later
// zelmora-fuzz-board-files SEED COUNT [KEEP-FOLDER]: loads COUNT damaged board files, made from
// SEED, into live windows and reports every load that crashed, hung, changed a window it refused
// or accepted a board that does not save and load again. Exit status 0 when none did, 1 otherwise.

#include "board_file_fuzz_run.hpp"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <string_view>

namespace {

bool parse(std::string_view text, std::uint64_t& number)
{
    auto const [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

int main(int argc, char** argv)
{
    std::uint64_t seed = 0;
    std::uint64_t count = 0;
    if (argc < 3 || argc > 4 || !parse(argv[1], seed) || !parse(argv[2], count)) {
        std::cerr << "usage: zelmora-fuzz-board-files SEED COUNT [KEEP-FOLDER]\n";
        return 2;
    }
    auto const start = std::chrono::steady_clock::now();
    auto const figures = zelmora::fuzz::runBoardFileFuzz(seed, count, std::cout, argc == 4 ? argv[3] : "");
    std::chrono::duration<double> const took = std::chrono::steady_clock::now() - start;
    std::cout << "seed=" << seed << " mutants=" << figures.mutants << " accepted=" << figures.accepted
              << " refused=" << figures.refused << " failures=" << figures.failures
              << " slowest-load-ms=" << static_cast<long>(figures.slowestLoad.count() * 1000)
              << " seconds=" << static_cast<long>(took.count()) << "\n";
    return figures.failures == 0 ? 0 : 1;
}
