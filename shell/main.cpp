#include "shell/tesselmain.h"

int main(int argc, char** argv)
{
    return tessel::runTessel(argc, argv);
}
