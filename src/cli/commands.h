#pragma once

namespace ppexport::cli {
// Runs the command line; returns the exit status.
int run(int argc, char** argv);
}
