#pragma once
// The client's version: sent in the greeting after every connect and shown
// by "//version".
constexpr const char XIRR_CLIENT_VERSION[] = "1.096-gtk-rc5";
