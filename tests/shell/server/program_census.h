#pragma once
// A census of the process the COM server is loaded into, for leak checks and benchmarks: its GDI objects
// and its memory. Wine answers GetGuiResources with nothing, and it gives neither another process's GDI
// handle table nor its memory counters, so the program's own process has to count them.
namespace standin {

// When the test control asked for it, takes the census now and leaves it in the shared section.
void TakeCensusWhenAsked();

}  // namespace standin
