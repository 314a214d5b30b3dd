// SPDX-License-Identifier: GPL-3.0-or-later
// The window's keys beyond the access keys of its captions: Enter presses the command a field
// feeds (a range field "Create Table", a count field "Compute Weight", the computing weight
// "Compute Table"), F5 is "Compute Table" and Ctrl+O the Load command.
#pragma once

namespace tz9 {

class Form1;

void ConnectKeyboardCommands(Form1& form);

}  // namespace tz9
