"""The game port's self-signed TLS certificate, made with the openssl command
at first start and reused afterwards."""

import fcntl
import logging
import os
import ssl
import subprocess

log = logging.getLogger("devserver")

CERT_FILE = "game_cert.pem"
KEY_FILE = "game_key.pem"


def _make(state_dir, cert, key):
    """Write a new key and certificate; each file appears whole by rename."""
    tmp_cert, tmp_key = cert + ".tmp", key + ".tmp"
    command = ["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
               "-nodes", "-days", "3650", "-subj", "/CN=localhost",
               "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1",
               "-keyout", tmp_key, "-out", tmp_cert]
    try:
        result = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=60)
    except (OSError, subprocess.TimeoutExpired) as err:
        raise RuntimeError("cannot run openssl: %s" % err) from None
    if result.returncode != 0:
        raise RuntimeError("openssl failed: %s" % result.stderr.decode(errors="replace").strip())
    os.replace(tmp_key, key)
    os.replace(tmp_cert, cert)
    log.info("made a new certificate in %s", state_dir)


def server_context(state_dir):
    """TLS server context with the state folder's certificate, made if missing
    or unusable. Raises RuntimeError when none can be made."""
    cert = os.path.join(state_dir, CERT_FILE)
    key = os.path.join(state_dir, KEY_FILE)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    # Servers sharing a state folder must not make two certificates at once.
    with open(os.path.join(state_dir, "certificate.lock"), "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if os.path.exists(cert) and os.path.exists(key):
            try:
                context.load_cert_chain(cert, key)
                return context
            except (OSError, ssl.SSLError) as err:
                log.warning("certificate in %s unusable (%s); making a new one", state_dir, err)
        _make(state_dir, cert, key)
        try:
            context.load_cert_chain(cert, key)
        except ssl.SSLError as err:
            raise RuntimeError("new certificate unusable: %s" % err) from None
    return context
