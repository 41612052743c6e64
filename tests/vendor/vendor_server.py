"""A small stand-in for the vendor's web server, for the vendor tests.

usage: /usr/bin/python3 vendor_server.py ROOT LOG

Serves the files below ROOT on 127.0.0.1 at a free port and prints that port as one line once it
listens. A folder is answered with an index page in the vendor's layout: its ".listing" file
when it has one (for pages made by hand), otherwise a page listing its files. Every request's path
is appended to LOG exactly as it arrived. The server ends when its standard input closes, so it
never outlives the test that started it.
"""

import html
import http.server
import os
import sys
import threading


class VendorHandler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        with open(self.server.log_path, "a", encoding="latin-1") as log:
            log.write(self.path + "\n")
        super().do_GET()

    def send_head(self):
        path = self.translate_path(self.path)
        if not os.path.isdir(path):
            return super().send_head()
        listing = os.path.join(path, ".listing")
        if os.path.isfile(listing):
            with open(listing, "rb") as page:
                body = page.read()
        else:
            body = self.index_page(path).encode("latin-1")
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
        return None

    def index_page(self, folder):
        title = html.escape(self.path)
        lines = [f"<HTML><HEAD><TITLE>{title}</TITLE></HEAD><BODY><H1>{title}</H1><HR>",
                 '<A HREF="../">[To Parent Directory]</A><BR>']
        for name in sorted(os.listdir(folder)):
            if not name.startswith("."):
                lines.append(f'<A HREF="{name}">{name}</A><BR>')
        lines.append("<HR></BODY></HTML>")
        return "\r\n".join(lines) + "\r\n"

    def log_message(self, format, *args):
        pass


def main():
    root, log_path = sys.argv[1], sys.argv[2]
    handler = lambda *args, **kwargs: VendorHandler(*args, directory=root, **kwargs)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    server.daemon_threads = True
    server.log_path = log_path
    print(server.server_address[1], flush=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    sys.stdin.read()  # returns when the test closes our input or ends


if __name__ == "__main__":
    main()
