#pragma once
// The process-wide TLS client context. xirr_init_ssl makes it once at
// start-up, before any other thread starts; afterwards every connection
// shares it read-only. Peers' certificates are not verified and no server
// name is sent: the connection only needs encryption, not authentication.

#include <openssl/types.h>

// The cipher list of the context and of every TLS connection.
extern const char XIRR_SSL_CIPHER_LIST[];

// Initialises the TLS library and makes the context. 1 on success (also
// when it already exists); 0 after logging the library's error text.
int xirr_init_ssl();

// The context, or null before a successful xirr_init_ssl.
SSL_CTX *xirr_ssl_context();

// Logs the text of the thread's oldest queued TLS error with kind (the
// result of SSL_get_error, 0 for none) as "%s - err code %d." in the
// verbose class, then empties the thread's error queue.
void xirr_log_ssl_error_detail(int kind);
