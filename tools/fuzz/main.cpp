// SPDX-License-Identifier: GPL-3.0-or-later
// zelmora-fuzz-board-files [--links] SEED COUNT [KEEP-FOLDER]: loads COUNT damaged board files,
// made from SEED, into live windows and reports every load that crashed, hung, changed a window
// it refused or accepted a board that does not save and load again. With --links, opens COUNT
// damaged shared links instead, and reports every opening that crashed, hung, changed a window it
// refused or accepted a board whose own link does not open it again. Exit status 0 when none did,
// 1 otherwise.

#include "board_file_fuzz_run.hpp"
#include "link_fuzz_run.hpp"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <string_view>
#include <vector>

namespace {

bool parse(std::string_view text, std::uint64_t& number)
{
    auto const [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string_view> arguments(argv + 1, argv + argc);
    bool const links = !arguments.empty() && arguments.front() == "--links";
    if (links)
        arguments.erase(arguments.begin());
    std::uint64_t seed = 0;
    std::uint64_t count = 0;
    if (arguments.size() < 2 || arguments.size() > 3 || !parse(arguments[0], seed) || !parse(arguments[1], count)) {
        std::cerr << "usage: zelmora-fuzz-board-files [--links] SEED COUNT [KEEP-FOLDER]\n";
        return 2;
    }
    std::string const keepFolder(arguments.size() == 3 ? arguments[2] : "");
    auto const start = std::chrono::steady_clock::now();
    auto const figures = links ? zelmora::fuzz::runLinkFuzz(seed, count, std::cout, keepFolder)
                               : zelmora::fuzz::runBoardFileFuzz(seed, count, std::cout, keepFolder);
    std::chrono::duration<double> const took = std::chrono::steady_clock::now() - start;
    std::cout << "seed=" << seed << " mutants=" << figures.mutants << " accepted=" << figures.accepted
              << " refused=" << figures.refused << " failures=" << figures.failures
              << " slowest-load-ms=" << static_cast<long>(figures.slowestLoad.count() * 1000)
              << " seconds=" << static_cast<long>(took.count()) << "\n";
    return figures.failures == 0 ? 0 : 1;
}
