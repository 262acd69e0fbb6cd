#pragma once

// libasound writes its own errors on stderr: eight lines each time an output is opened where
// there is no sound card, and the sound library opens one at every warning. Its handler is set
// to drop them; the sound library's own reason reaches the one line said at the first failure.
// Does nothing where libasound is not installed. Safe to call more than once.
void dropAlsaErrors();
