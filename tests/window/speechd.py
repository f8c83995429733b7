#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A stand-in speech service: answers speech-dispatcher's protocol (SSIP) on
a Unix socket and writes a line to LOG for each command, "SPEAK text" for
each text to say.  speechd.py SOCKET LOG [--mute] [--stamp] [--die-after N]
--mute: never answers, as a hung service.  --stamp: lines begin with the time.
--die-after N: the whole service ends, mid-conversation, after N texts."""
import os, socketserver, sys, threading, time

SOCKET, LOG, FLAGS = sys.argv[1], sys.argv[2], sys.argv[3:]
lock = threading.Lock()
DIE_AFTER = int(FLAGS[FLAGS.index("--die-after") + 1]) if "--die-after" in FLAGS else None
spoken = 0
REPLIES = {"LIST SYNTHESIS_VOICES": ("249-italian\tit\tnone", "249 OK VOICE LIST SENT"),
           "LIST OUTPUT_MODULES": ("250-espeak-ng", "250 OK MODULE LIST SENT")}


def log(line):
    with lock, open(LOG, "a", encoding="utf-8") as f:
        f.write((f"{time.time():.3f} " if "--stamp" in FLAGS else "") + line + "\n")


class Client(socketserver.StreamRequestHandler):
    def handle(self):
        read = lambda: self.rfile.readline().decode("utf-8", "replace")
        reply = lambda *lines: self.wfile.write("".join(l + "\r\n" for l in lines).encode())
        while (command := read().rstrip("\r\n")) or self.rfile.peek(1):
            if "--mute" in FLAGS:
                continue
            if command.upper() == "SPEAK":
                reply("230 OK RECEIVING DATA")
                text = iter(read, ".\r\n")
                log("SPEAK " + " ".join(l.rstrip("\r\n").removeprefix(".") for l in text))
                reply("225-1", "225 OK MESSAGE QUEUED")
                global spoken
                spoken += 1
                if DIE_AFTER is not None and spoken >= DIE_AFTER:
                    os.unlink(SOCKET)
                    os._exit(0)
                continue
            log(command)
            reply(*REPLIES.get(command.upper(), ("200 OK",)))


socketserver.ThreadingUnixStreamServer(SOCKET, Client).serve_forever()
