#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A stand-in speech service: it answers the speech-dispatcher protocol
(SSIP) on a Unix socket and, instead of speaking, writes one line to LOG
for every text it is asked to say ("SPEAK text") and for every setting
and stop ("SET SELF RATE -30", "CANCEL SELF").

    speechd.py SOCKET LOG [--mute] [--stamp]

With --mute it accepts connections and never answers, as a service that
hangs does; with --stamp each line begins with the time it came, in
seconds since the epoch."""

import socket
import socketserver
import sys
import threading
import time

SOCKET, LOG = sys.argv[1], sys.argv[2]
MUTE = "--mute" in sys.argv[3:]
STAMP = "--stamp" in sys.argv[3:]
lock = threading.Lock()


def log(line):
    if STAMP:
        line = f"{time.time():.3f} {line}"
    with lock, open(LOG, "a", encoding="utf-8") as f:
        f.write(line + "\n")


class Client(socketserver.StreamRequestHandler):
    def reply(self, *lines):
        self.wfile.write("".join(l + "\r\n" for l in lines).encode())
        self.wfile.flush()

    def handle(self):
        if MUTE:
            while self.rfile.readline():
                time.sleep(0.01)
            return
        while True:
            raw = self.rfile.readline()
            if not raw:
                return
            command = raw.decode("utf-8", "replace").rstrip("\r\n")
            verb = command.split(" ", 1)[0].upper()
            if verb == "SPEAK":
                self.reply("230 OK RECEIVING DATA")
                text = []
                while True:
                    line = self.rfile.readline().decode("utf-8", "replace").rstrip("\r\n")
                    if line == ".":
                        break
                    text.append(line[1:] if line.startswith("..") else line)
                log("SPEAK " + " ".join(text))
                self.reply("225-1", "225 OK MESSAGE QUEUED")
            elif verb == "LIST" and "VOICES" in command.upper():
                log(command)
                self.reply("249-italian\tit\tnone", "249 OK VOICE LIST SENT")
            elif verb == "LIST":
                self.reply("250-espeak-ng", "250 OK MODULE LIST SENT")
            elif verb == "QUIT":
                self.reply("231 HAPPY HACKING")
                return
            else:
                log(command)
                self.reply("200 OK")


class Server(socketserver.ThreadingMixIn, socketserver.UnixStreamServer):
    daemon_threads = True


Server(SOCKET, Client).serve_forever()
