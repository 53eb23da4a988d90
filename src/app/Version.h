#pragma once
// The program's version: the only place it is written. The version resource
// and the setup (./package) take it from here.
#define QORN_VERSION_MAJOR 1
#define QORN_VERSION_MINOR 0
#define QORN_VERSION_PATCH 0
#define QORN_VERSION_TEXT "1.0.0"
