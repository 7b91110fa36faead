// Precompiled once for every QtTest executable (cmake/tests.cmake): the window headers
// and Qt Test, which every window test would parse otherwise.
#pragma once

#include "windows_pch.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
