#pragma once
// The application-wide settings made at start-up, before the main window.

// Initialises the application object, then sets the hint pause, hints on,
// the hint colour and the title.
void InitializeApplication();
