#!/usr/bin/env python3
"""Serves a folder on 127.0.0.1 as static hosts do: text files with charset=utf-8.

Usage: serve-site.py FOLDER   (prints the port it listens on, then serves until killed)
"""
import functools
import http.server
import sys


class Utf8Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".html": "text/html; charset=utf-8",
        ".css": "text/css; charset=utf-8",
        ".js": "text/javascript; charset=utf-8",
        ".xml": "application/xml; charset=utf-8",
        ".txt": "text/plain; charset=utf-8",
    }

    def log_message(self, *args):
        pass


def main():
    handler = functools.partial(Utf8Handler, directory=sys.argv[1])
    with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as server:
        print(server.server_address[1], flush=True)
        server.serve_forever()


if __name__ == "__main__":
    main()
