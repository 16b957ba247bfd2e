// SPDX-License-Identifier: GPL-3.0-or-later
// zelmora: the program, with a real window for every open window of the runtime.

#include "program.hpp"

int main(int argc, char** argv)
{
    zelmora::qt::Program program(argc, argv);
    program.start();
    return program.exec();
}
