#!/usr/bin/python3
"""A real SMTP server (aiosmtpd) for the mail tests, on a free loopback port.

It accepts the logon the program sends (AUTH LOGIN right after HELO, as the
servers the sender was made for do), optionally speaks TLS, and records what
it received in the directory given with --record:

  wire.bin       every byte the client sent, as it crossed the wire
                 (still encrypted where TLS was on)
  session.bin    every byte the client sent, as the SMTP server read it
                 (after decryption)
  message-N.eml  the N-th message (N from 1), as received after DATA
  message-N.json that message as Python's email package parses it

Once it listens it prints "smtp_server: listening on 127.0.0.1:PORT"; it prints
"smtp_server: quit answered" each time it answered QUIT.

Faults on demand: --password makes a different logon key fail with 535,
--silent-after N answers N replies and then nothing more, --drop-after N
closes the connection instead of the reply after the N-th, --quit-delay MS
holds the answer to QUIT back so that it arrives on its own, --stall-after
BYTES --stall-ms MS stops reading from the client for a while once that many
bytes arrived (the client's writes then wait).
"""

import argparse
import asyncio
import base64
import email
import email.policy
import json
import os
import ssl
import sys
import threading
import warnings

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


def parse_args():
    parser = argparse.ArgumentParser()
    parser.add_argument("--record", required=True)
    parser.add_argument("--tls", choices=["none", "starttls", "implicit"], default="none")
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--login", default="")
    parser.add_argument("--password", default="")
    parser.add_argument("--silent-after", type=int, default=0)
    parser.add_argument("--drop-after", type=int, default=0)
    parser.add_argument("--quit-delay", type=int, default=0)
    parser.add_argument("--stall-after", type=int, default=0)
    parser.add_argument("--stall-ms", type=int, default=0)
    return parser.parse_args()


ARGS = parse_args()
warnings.simplefilter("ignore", DeprecationWarning)
MESSAGES = 0


def append(name, data):
    with open(os.path.join(ARGS.record, name), "ab") as f:
        f.write(data)
        f.flush()


def raw_header(content, name):
    """A header as its bytes were sent (the sender writes UTF-8 unencoded)."""
    head = content.split(b"\r\n\r\n", 1)[0]
    for line in head.split(b"\r\n"):
        key, _, value = line.partition(b":")
        if key.decode("ascii", "replace").lower() == name.lower():
            return value.decode("utf-8", "replace")
    return None


def describe(content):
    """What the email package makes of a received message."""
    message = email.message_from_bytes(content, policy=email.policy.compat32)
    parts = []
    for part in message.walk():
        if part.is_multipart():
            continue
        payload = part.get_payload(decode=True) or b""
        parts.append({
            "content_type": part.get_content_type(),
            "charset": part.get_param("charset"),
            "name": part.get_param("name"),
            "filename": part.get_filename(),
            "payload": base64.b64encode(payload).decode("ascii"),
        })
    return {
        "from": raw_header(content, "From"),
        "to": raw_header(content, "To"),
        "subject": raw_header(content, "Subject"),
        "content_type": message.get_content_type(),
        "boundary": message.get_boundary(),
        "defects": [type(d).__name__ for d in message.defects],
        "parts": parts,
    }


class Handler:
    async def handle_DATA(self, server, session, envelope):
        global MESSAGES
        MESSAGES += 1
        content = envelope.original_content
        append("message-%d.eml" % MESSAGES, content)
        append("message-%d.json" % MESSAGES, json.dumps(describe(content), indent=1).encode())
        return "250 OK: message accepted"


def authenticate(server, session, envelope, mechanism, auth_data):
    # Not handled: the server answers a refusal with its 535.
    if not isinstance(auth_data, LoginPassword):
        return AuthResult(success=False, handled=False)
    ok = auth_data.login.decode() == ARGS.login and auth_data.password.decode() == ARGS.password
    return AuthResult(success=ok, handled=False)


class RecordingSMTP(SMTP):
    # The sender writes attachments as 4000-character Base64 lines.
    line_length_limit = 8192

    def __init__(self, *args, **kwargs):
        super().__init__(*args, **kwargs)
        self.replies = 0

    def data_received(self, data):
        append("session.bin", data)
        super().data_received(data)

    async def push(self, status):
        self.replies += 1
        if ARGS.drop_after and self.replies > ARGS.drop_after:
            self.transport.close()
            await asyncio.Event().wait()
        if ARGS.silent_after and self.replies > ARGS.silent_after:
            await asyncio.Event().wait()
        await super().push(status)

    async def smtp_HELO(self, hostname):
        await super().smtp_HELO(hostname)
        # The servers the sender was made for take AUTH after HELO.
        self.session.extended_smtp = True

    async def smtp_QUIT(self, arg):
        if ARGS.quit_delay:
            await asyncio.sleep(ARGS.quit_delay / 1000.0)
        await super().smtp_QUIT(arg)
        print("smtp_server: quit answered", flush=True)


async def pump(reader, writer, record):
    received = 0
    stalled = False
    try:
        while True:
            data = await reader.read(65536)
            if not data:
                break
            if record:
                append("wire.bin", data)
                received += len(data)
                if ARGS.stall_after and received >= ARGS.stall_after and not stalled:
                    stalled = True
                    await asyncio.sleep(ARGS.stall_ms / 1000.0)
            writer.write(data)
            await writer.drain()
    except (ConnectionError, asyncio.CancelledError):
        pass
    finally:
        writer.close()


async def main():
    os.makedirs(ARGS.record, exist_ok=True)
    loop = asyncio.get_running_loop()
    context = None
    if ARGS.tls != "none":
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(ARGS.cert, ARGS.key)

    def factory():
        return RecordingSMTP(
            Handler(),
            hostname="mail.test",
            tls_context=context if ARGS.tls == "starttls" else None,
            require_starttls=ARGS.tls == "starttls",
            auth_require_tls=ARGS.tls == "starttls",
            authenticator=authenticate,
            data_size_limit=None,
            loop=loop,
        )

    inner = await loop.create_server(factory, "127.0.0.1", 0,
                                     ssl=context if ARGS.tls == "implicit" else None)
    inner_port = inner.sockets[0].getsockname()[1]

    # The client talks to a relay that writes down the raw bytes.
    async def relay(client_reader, client_writer):
        server_reader, server_writer = await asyncio.open_connection("127.0.0.1", inner_port)
        await asyncio.gather(pump(client_reader, server_writer, True),
                             pump(server_reader, client_writer, False))

    outer = await asyncio.start_server(relay, "127.0.0.1", 0)
    port = outer.sockets[0].getsockname()[1]
    print("smtp_server: listening on 127.0.0.1:%d" % port, flush=True)
    await asyncio.gather(inner.serve_forever(), outer.serve_forever())


def end_with_parent():
    """The test holds our standard input open: it closes when the test ends,
    even when the test crashed, and the server ends with it."""
    sys.stdin.buffer.read()
    os._exit(0)


if __name__ == "__main__":
    threading.Thread(target=end_with_parent, daemon=True).start()
    try:
        asyncio.run(main())
    except KeyboardInterrupt:
        sys.exit(0)
