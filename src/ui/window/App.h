#pragma once

#include <functional>

class frmOndulix;

namespace ondulix {

// Starts the program: the application object, the window, the event loop.
// `started` runs once the window exists and has been asked to show.
int RunOndulix(int argc, char** argv, const std::function<void(frmOndulix&)>& started = {});

} // namespace ondulix
