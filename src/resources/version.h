#pragma once
// The program's version, in one place: the version resource, the version dialog and the name of the
// release archive (scripts/package) all take it from here.
#define PAVORIN_VERSION_MAJOR 1
#define PAVORIN_VERSION_MINOR 0  // 0 to 99, shown with two digits: 1.00

// "1.00": the text the version dialog and the version resource's strings show.
#define PAVORIN_VERSION_TEXT_OF(x) #x
#define PAVORIN_VERSION_TEXT(x) PAVORIN_VERSION_TEXT_OF(x)
#if PAVORIN_VERSION_MINOR < 10
#define PAVORIN_VERSION PAVORIN_VERSION_TEXT(PAVORIN_VERSION_MAJOR) ".0" PAVORIN_VERSION_TEXT(PAVORIN_VERSION_MINOR)
#else
#define PAVORIN_VERSION PAVORIN_VERSION_TEXT(PAVORIN_VERSION_MAJOR) "." PAVORIN_VERSION_TEXT(PAVORIN_VERSION_MINOR)
#endif
