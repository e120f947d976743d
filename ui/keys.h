// Keys the window reacts to; the backend maps its virtual keys onto these.
#pragma once

enum Key { KEY_OTHER, KEY_SHIFT, KEY_CONTROL, KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN, KEY_HOME, KEY_END, KEY_ESCAPE };
