// Linked into every test program: batches journaled by the code under test
// (and by the tools it runs) go to a temporary folder, never to the home of
// whoever runs the tests.
#include "WavBuilder.h"

#include <cstdlib>

namespace {

struct IsolatedStateHome {
    IsolatedStateHome() { setenv("XDG_STATE_HOME", dir.Path().c_str(), 1); }
    testwav::TempDir dir;
};

const IsolatedStateHome stateHome;

}  // namespace
