// Whether a key is down, asked of the display server. Under X11 a held key
// comes as release and press pairs, and Qt cannot always tell a pair's
// release from the real one (it looks for the press that follows, which may
// not have arrived yet); the server's key map can.
#pragma once

class QKeyEvent;

namespace presenter {

// True when the key of this release is still held down: the release is one
// of the platform's repeats. False where the platform marks repeats itself.
bool StillHeldDown(const QKeyEvent& release);

}  // namespace presenter
