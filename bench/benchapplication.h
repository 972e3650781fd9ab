#ifndef BENCHAPPLICATION_H
#define BENCHAPPLICATION_H

// Widgets need a QApplication and the benchmark binary has no Qt main of its
// own: creates one (offscreen unless QT_QPA_PLATFORM says otherwise) on first
// use. False when another kind of application object already exists.
bool ensureWidgetApplication();

#endif // BENCHAPPLICATION_H
