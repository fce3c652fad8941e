#include "cli/glintracli.h"
#include "platform/automation/classregistry.h"

#include <iostream>

int main(int argc, char** argv)
{
    CoInitialize();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int code = RunGlintra(args, std::cout, std::cerr);
    CoUninitialize();
    return code;
}
