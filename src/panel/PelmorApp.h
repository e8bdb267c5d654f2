#pragma once

// The desktop panel application: one narrow window over the shared store.
namespace PelmorApp {

// Runs the panel until its window closes; returns the exit status. With
// PELMOR_DEBUG_SNAPSHOT=<file.png> it renders the panel once into that file
// and quits instead.
int run(int argc, char **argv);

}
