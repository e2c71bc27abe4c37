#pragma once

namespace nonagra::app {

// Turns two of Qt's failures into one line on stderr and exit code 1: a
// thread that cannot be created (Qt warns and then waits on it for ever, as
// its D-Bus connection does under a tight memory limit), and a fatal error
// while the application object is being made (no platform plugin would start:
// Qt aborts with advice to reinstall). Every other message goes on to the
// handler that was installed before; those that come while the application
// object is made wait for startedUp(), so that a failure there ends in its one
// line alone.
void endOnToolkitFailure();

// Passes on what was held back; call it once the application object stands.
void startedUp();

} // namespace nonagra::app
