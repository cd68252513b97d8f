// The application object's names, title and icon, set once at start-up.
#pragma once

// Name "corvane" (settings, desktop file), title "Corvane" (message box captions) and the
// program icon. No display name is set: Qt would append it to every window caption, and the
// captions are the program's own texts.
void ConfigureApplication();
