# SPDX-License-Identifier: GPL-3.0-or-later
"""A test HTTP camera on 127.0.0.1: multipart JPEG frames at a steady rate.

Usage: mjpeg_server.py FRAMES.mjpeg FPS
FRAMES.mjpeg holds JPEG pictures one after another (ffmpeg's -f mjpeg); they
are sent in turn, FPS a second, to each client of /video. Prints "port N"
once it listens; ends by itself 120 s after it started, or when killed.
"""
import http.server
import socketserver
import sys
import threading
import time

LIFETIME_S = 120
BOUNDARY = b"velmoraframe"


def split_jpegs(data):
    frames, start = [], 0
    while True:
        begin = data.find(b"\xff\xd8", start)
        if begin < 0:
            return frames
        end = data.find(b"\xff\xd9", begin)
        if end < 0:
            return frames
        frames.append(data[begin : end + 2])
        start = end + 2


class Camera(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def do_GET(self):
        if self.path != "/video":
            self.send_error(404)
            return
        self.send_response(200)
        self.send_header("Content-Type", "multipart/x-mixed-replace; boundary=" + BOUNDARY.decode())
        self.end_headers()
        interval = 1.0 / self.server.fps
        due = time.monotonic()
        i = 0
        try:
            while True:
                frame = self.server.frames[i % len(self.server.frames)]
                self.wfile.write(b"--" + BOUNDARY + b"\r\nContent-Type: image/jpeg\r\nContent-Length: "
                                 + str(len(frame)).encode() + b"\r\n\r\n" + frame + b"\r\n")
                self.wfile.flush()
                i += 1
                due += interval
                time.sleep(max(0.0, due - time.monotonic()))
        except (BrokenPipeError, ConnectionResetError):
            pass


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


def main():
    with open(sys.argv[1], "rb") as f:
        frames = split_jpegs(f.read())
    server = Server(("127.0.0.1", 0), Camera)
    server.frames = frames
    server.fps = float(sys.argv[2])
    threading.Timer(LIFETIME_S, server.shutdown).start()
    print("port", server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
