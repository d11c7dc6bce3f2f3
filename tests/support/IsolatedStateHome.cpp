// Linked into every test program: batches journaled by the code under test
// (and by the tools it runs) go to a temporary folder, never to the home of
// whoever runs the tests.
#include "StateHome.h"

namespace {

const testwav::ScopedStateHome stateHome;

}  // namespace
