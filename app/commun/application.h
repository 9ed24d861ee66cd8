#pragma once

class QApplication;

// Settings shared by the program and its tests: style, icon, names.
void preparer_application(QApplication& application);
