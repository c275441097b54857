// The demo qelhost plays: plug-in code that shows what the plug-in can do, in pages.
// DemoSelect picks a page by name ("" and "default" are the main page) and tells whether it
// exists; DemoStart runs once after the plug-in is loaded; DemoFrame runs once a frame and
// ends with a present.
#pragma once

#include <string>
#include <vector>

#include "qelhost.h"

std::vector<std::string> DemoNames();  // every page, the main page first
bool DemoSelect(const std::string& name);
void DemoStart(qel::Host& host, bool scripted_input);  // false: a real window's input is live
void DemoFrame(qel::Host& host, int frame);
