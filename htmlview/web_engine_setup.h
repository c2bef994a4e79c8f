#pragma once

// Process-wide set-up of the web engine. Call once in main() before the QApplication exists:
// it shares the OpenGL contexts the engine needs, keeps Chromium's own log quiet, puts the pages
// of all views in one render process, lets the pages have their garbage collected, and when the
// program runs as root turns the engine's sandbox off (Chromium refuses it for root), saying so in
// one line on standard error. For an ordinary user the sandbox stays on.
void prepareWebEngine();
