// The program's version, from the project's CMake version.
#ifndef BELLSCOPE_APP_VERSION_H
#define BELLSCOPE_APP_VERSION_H

extern const char bellscope_version[];

#endif
