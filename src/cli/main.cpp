#include "cli/commands.h"

int main(int argc, char** argv) { return ppexport::cli::run(argc, argv); }
