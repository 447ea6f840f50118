#pragma once

// The command line's pictures are drawn without a display, on Qt's offscreen platform.
// Called before the application is made.
void useOffscreenScreen();
