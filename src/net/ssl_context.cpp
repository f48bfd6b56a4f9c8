#include "net/ssl_context.h"

#include "foundation/bounded_text.h"
#include "foundation/debug_log.h"

#include <openssl/err.h>
#include <openssl/ssl.h>

const char XIRR_SSL_CIPHER_LIST[] = "HIGH:@STRENGTH:!aNULL";

static SSL_CTX *client_context = nullptr;

// The text of the oldest queued error, cut to 255 characters.
static void oldest_error_text(char (&text)[256])
{
    ERR_error_string_n(ERR_get_error(), text, sizeof text);
}

int xirr_init_ssl()
{
    if (client_context)
        return 1;
    // OpenSSL 3 sets up its own locking, so the context may be shared by
    // threads; it no longer implements SSL 2 at all.
    OPENSSL_init_ssl(OPENSSL_INIT_LOAD_SSL_STRINGS | OPENSSL_INIT_LOAD_CRYPTO_STRINGS, nullptr);
    SSL_CTX *context = SSL_CTX_new(TLS_client_method());
    if (!context || !SSL_CTX_set_cipher_list(context, XIRR_SSL_CIPHER_LIST)) {
        char text[256];
        oldest_error_text(text);
        ERR_clear_error();
        xirr_bounded_text message;
        message.appendf("Error in xirr_init_ssl() - %s", text);
        xirr_debug_log(message.c_str(), XIRR_LOG_CREATE_FAILED);
        SSL_CTX_free(context);
        return 0;
    }
    // Writes return what was accepted, and a write that has to be repeated
    // may come from a buffer that moved or grew meanwhile.
    SSL_CTX_set_mode(context, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
    client_context = context;
    return 1;
}

SSL_CTX *xirr_ssl_context()
{
    return client_context;
}

void xirr_log_ssl_error_detail(int kind)
{
    if (xirr_debug_level > 2) {
        char text[256];
        oldest_error_text(text);
        xirr_bounded_text message;
        message.appendf("%s - err code %d.", text, kind);
        xirr_debug_log(message.c_str(), XIRR_LOG_VERBOSE);
    }
    ERR_clear_error();
}
