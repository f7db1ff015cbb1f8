#pragma once

// Drops the warnings that the offscreen platform gives for every window it
// cannot raise or size by hints, so that a warning that tells of a fault stands
// out; all others go on to Qt Test. Called from initTestCase(), once Qt Test
// has set up its own message handler.
void dropHarmlessWarnings();
