// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Launch.h" // isCommand()

#include <functional>
#include <memory>

namespace openwright {
class AppModel;
class DefaultsService;
class SingleInstance;
} // namespace openwright

// Openwright's command line: "openwright status", "openwright set .pdf org.gnome.Evince", …
// Commands print plain text (or one JSON document with --json) and need no display.
namespace openwright::cli {

struct Invocation;
struct Reply;

// Runs the command and returns its exit status: 0 done, 1 a change that did not succeed or
// could not be made, 2 bad input. Creates its own QCoreApplication. A command that changes
// Openwright's data is carried out by the running application when there is one, and holds
// the single-instance lock while it runs here otherwise.
int run(int argc, char** argv);

// What carries out a command that changes, as parsed (its targets not yet checked): the reply
// to print.
using Changer = std::function<Reply(Invocation&, const std::shared_ptr<DefaultsService>&)>;
// As run(), in a program without the model (Qt Core and GIO only): runs the commands that read
// and hands those that change to `change`.
int run(int argc, char** argv, const Changer& change);

// Makes the running application carry out the commands that run() hands it, against its one
// model. Call once, on the GUI thread, after creating the model.
void serve(SingleInstance& instance, AppModel& model);

} // namespace openwright::cli
