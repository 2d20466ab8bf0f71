#include "app/cli/Principal.h"

int main(int argc, char** argv) {
    return cli::Principal(argc, argv);
}
