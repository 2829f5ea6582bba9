#pragma once
// Counts the GDI objects of the process the COM server is loaded into, for leak checks: Wine answers
// GetGuiResources with nothing, and another process's GDI handle table cannot be read from outside.
namespace standin {

// When the test control asked for it, counts the objects now and leaves the count in the shared section.
void CountGdiObjectsWhenAsked();

}  // namespace standin
