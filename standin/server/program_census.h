#pragma once
// A census of the process the COM server is loaded into, for leak checks and benchmarks: its GDI objects,
// its memory and its processor time. Wine answers GetGuiResources with nothing and gives neither another
// process's GDI handle table, nor its memory counters, nor its processor times, so the program's own
// process has to read them. A thread of the COM server takes the census whenever the test control asks,
// also while the program's user-interface thread is busy in a command.
namespace standin {

// Starts the census thread once per process; it lives as long as the process (the module is pinned).
void StartCensusService();

}  // namespace standin
