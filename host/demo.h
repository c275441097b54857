// The demo qelhost plays: plug-in code that shows what the plug-in can do. DemoSelect picks
// a demo by name ("" is the default one) and tells whether it exists; DemoStart runs once
// after the plug-in is loaded; DemoFrame runs once a frame and ends with a present.
#pragma once

#include <string>

#include "qelhost.h"

bool DemoSelect(const std::string& name);
void DemoStart(qel::Host& host);
void DemoFrame(qel::Host& host, int frame);
