// SPDX-License-Identifier: GPL-3.0-or-later
// The floor page's module: machine code in many distinct functions, so that the browser decodes and
// compiles a module of the core's size, and a table of data that compresses no better than the
// core's does, so that it takes as long to download. The page calls one function; the rest are
// only reachable through a table, which keeps them in the module.
#include <array>
#include <cstdint>
#include <utility>

namespace {

// A few rounds of arithmetic that differ with N, so that no two instances fold into one.
template<int N> std::uint32_t step(std::uint32_t x)
{
    for (int i = 0; i < 3 + N % 5; ++i) {
        x = x * (2654435761u + N) ^ (x >> (N % 13 + 3));
        if ((x & 7u) == unsigned(N % 8))
            x += N * 40503u;
        else
            x -= (x << 5) | unsigned(N);
    }
    switch (x % 4) {
    case 0:
        return x / (N + 1);
    case 1:
        return x % (N + 7) + N;
    case 2:
        return (x << 3) ^ (N * 97u);
    default:
        return x + (x >> 7) * unsigned(N);
    }
}

using Step = std::uint32_t (*)(std::uint32_t);

template<std::size_t... N> constexpr auto tableOf(std::index_sequence<N...>)
{
    return std::array<Step, sizeof...(N)> { &step<int(N)>... };
}

} // namespace

// FLOOR_DATA is a list of bytes the build writes (build.sh).
static unsigned char const data[] = {
#include FLOOR_DATA
};

constexpr std::size_t FUNCTIONS = FLOOR_FUNCTIONS;
static auto const table = tableOf(std::make_index_sequence<FUNCTIONS>());

extern "C" {

// The page's one call: every step in turn over the seed, as a program's start runs its setup.
__attribute__((used)) std::uint32_t floorStart(std::uint32_t seed)
{
    std::uint32_t x = seed;
    for (Step f : table)
        x = f(x) + data[x % sizeof data];
    return x;
}
}
