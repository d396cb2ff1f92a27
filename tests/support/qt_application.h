#pragma once
// The application object of a widget test program, made by qt_test_main.cpp before any test runs.

#include <QApplication>

namespace kinsketch::test {

inline QApplication& application() { return *static_cast<QApplication*>(QCoreApplication::instance()); }

} // namespace kinsketch::test
