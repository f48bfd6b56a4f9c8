#pragma once
// Host-name lookup for IPv4 connections.

#include <netinet/in.h>

// True when text is a dotted quad: digits and exactly three dots, 4 to 12
// digits in all, four non-empty decimal numbers each below 256.
int xirr_is_dotted_quad(const char *text);

// Fills the family and address of *address (the port is left alone) from a
// dotted quad, or else from the first IPv4 answer of the system resolver.
// 1 on success; 0 for a null argument or no answer (nothing is logged).
// May block for as long as the resolver takes.
int xirr_lookup_address(const char *host, sockaddr_in *address);
