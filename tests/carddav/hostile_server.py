#!/usr/bin/python3
"""A CardDAV server that misbehaves on purpose, for the tests. Each way of misbehaving has an
address book of its own, /MODE/book/, its cards held in memory. Prints the port it listens on,
then one line per request it receives ("METHOD PATH HOST AUTH", AUTH yes or no).

Modes: plain; no-etag (PUT answers carry no ETag); unquoted (ETags listed without quotes, but
If-Match compared with them quoted); rewrite (a stored card is reordered, refolded and given
the server's own properties); hidden (the listing never shows a card, as if each were made
just after it); refuse (403, 413 or 507 for cards whose text says so); redirect-away (after
sign-in every request is sent on to 127.0.0.2); endless (the listing never ends); malformed
(the listing is not XML); doctype (the listing declares an entity); forbidden (403 to
everything); silent (reads the request, never answers); v4 (behaves, and lists vCard 4.0 among
the versions it takes)."""
import hashlib
import http.server
import sys
import threading
import time

books = {}
lock = threading.Lock()
MS = '<?xml version="1.0" encoding="utf-8"?>\n<D:multistatus xmlns:D="DAV:" ' \
     'xmlns:C="urn:ietf:params:xml:ns:carddav">'


def etag_of(mode, data):
    tag = hashlib.sha1(data).hexdigest()[:16]
    return tag if mode == 'unquoted' else '"%s"' % tag


def rewritten(data):
    """What some servers make of a card: lines reordered and refolded, type names in lower
    case, their own properties added."""
    lines = data.decode().replace('\r\n', '\n').strip('\n').split('\n')
    body = sorted(l for l in lines[1:-1] if not l.startswith('VERSION'))
    body = [l.replace('TYPE=', 'type=').replace('type=WORK', 'type=work') for l in body]
    out = ['BEGIN:VCARD', 'VERSION:3.0', 'PRODID:-//Hostile//Server//EN',
           'REV:2026-01-01T00:00:00Z', 'X-SERVER-ID:123'] + body + ['END:VCARD']
    folded = []
    for l in out:
        while len(l.encode()) > 60:
            folded.append(l[:50])
            l = ' ' + l[50:]
        folded.append(l)
    return ('\r\n'.join(folded) + '\r\n').encode()


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def log_message(self, *args):
        pass

    def answer(self, code, body=b'', headers=()):
        self.send_response(code)
        for k, v in headers:
            self.send_header(k, v)
        self.send_header('Content-Length', str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def start(self):
        """Reads the request; returns its body, or None when the mode has answered."""
        length = int(self.headers.get('Content-Length') or 0)
        body = self.rfile.read(length) if length else b''
        auth = 'yes' if self.headers.get('Authorization') else 'no'
        print(self.command, self.path, self.headers.get('Host'), auth, flush=True)
        self.mode = self.path.split('/')[1]
        self.book = '/%s/book/' % self.mode
        with lock:
            self.cards = books.setdefault(self.mode, {})
        if self.mode == 'forbidden':
            self.answer(403)
            return None
        if self.mode == 'silent':
            time.sleep(30)
            return None
        if self.mode == 'redirect-away':
            if auth == 'no':
                self.answer(401, headers=[('WWW-Authenticate', 'Basic realm="hostile"')])
                return None
            port = self.server.server_address[1]
            self.answer(301, headers=[('Location', 'http://127.0.0.2:%d%s' % (port, self.path))])
            return None
        return body

    def do_PROPFIND(self):
        if self.start() is None:
            return
        if self.headers.get('Depth') == '0':
            versions = '<C:supported-address-data><C:address-data-type content-type=' \
                '"text/vcard" version="3.0"/><C:address-data-type content-type="text/vcard" ' \
                'version="4.0"/></C:supported-address-data>' if self.mode == 'v4' else ''
            xml = MS + '<D:response><D:href>%s</D:href><D:propstat><D:prop><D:resourcetype>' \
                '<D:collection/><C:addressbook/></D:resourcetype><D:displayname>Book' \
                '</D:displayname>%s</D:prop><D:status>HTTP/1.1 200 OK</D:status></D:propstat>' \
                '</D:response></D:multistatus>' % (self.book, versions)
            return self.answer(207, xml.encode(), [('Content-Type', 'application/xml')])
        if self.mode == 'endless':
            self.send_response(207)
            self.send_header('Content-Type', 'application/xml')
            self.end_headers()
            self.wfile.write(MS.encode())
            try:
                while True:
                    self.wfile.write(b'<D:response><D:href>/x.vcf</D:href>' * 1000)
            except OSError:
                self.close_connection = True
                return
        if self.mode == 'malformed':
            return self.answer(207, (MS + '<D:response><D:href>/book/</D:href>').encode())
        if self.mode == 'doctype':
            xml = '<?xml version="1.0"?><!DOCTYPE D:multistatus [<!ENTITY a "aaaa">]>' + \
                MS[MS.index('<D:multistatus'):] + '<D:response><D:href>&a;</D:href>' \
                '</D:response></D:multistatus>'
            return self.answer(207, xml.encode())
        with lock:
            listed = {} if self.mode == 'hidden' else dict(self.cards)
        entries = ''.join('<D:response><D:href>%s%s</D:href><D:propstat><D:prop><D:getetag>%s'
                          '</D:getetag></D:prop><D:status>HTTP/1.1 200 OK</D:status>'
                          '</D:propstat></D:response>' % (self.book, n, etag_of(self.mode, d))
                          for n, d in listed.items())
        self.answer(207, (MS + entries + '</D:multistatus>').encode())

    def do_REPORT(self):
        body = self.start()
        if body is None:
            return
        out = MS
        for part in body.decode().split('<D:href>')[1:]:
            href = part.split('</D:href>')[0]
            with lock:
                data = self.cards.get(href.rsplit('/', 1)[-1])
            if data is None:
                out += '<D:response><D:href>%s</D:href><D:status>HTTP/1.1 404 Not Found' \
                       '</D:status></D:response>' % href
                continue
            card = data.decode().replace('&', '&amp;').replace('<', '&lt;')
            out += '<D:response><D:href>%s</D:href><D:propstat><D:prop><D:getetag>%s' \
                   '</D:getetag><C:address-data>%s</C:address-data></D:prop><D:status>' \
                   'HTTP/1.1 200 OK</D:status></D:propstat></D:response>' % (
                       href, etag_of(self.mode, data), card)
        self.answer(207, (out + '</D:multistatus>').encode())

    def do_PUT(self):
        body = self.start()
        if body is None:
            return
        name = self.path.rsplit('/', 1)[-1]
        for word, code in (('FORBIDDEN', 403), ('TOO-LARGE', 413), ('FULL', 507)):
            if word in body.decode():
                error = '<?xml version="1.0"?><D:error xmlns:D="DAV:" xmlns:C="urn:ietf:params:' \
                        'xml:ns:carddav"><C:max-resource-size/></D:error>' if code == 413 else ''
                return self.answer(code, error.encode())
        with lock:
            old = self.cards.get(name)
            if self.headers.get('If-None-Match') == '*' and old is not None:
                return self.answer(412)
            match = self.headers.get('If-Match')
            if match is not None:
                tag = etag_of(self.mode, old or b'')
                if old is None or match != (tag if tag.startswith('"') else '"%s"' % tag):
                    return self.answer(412)
            self.cards[name] = rewritten(body) if self.mode == 'rewrite' else body
            tag = etag_of(self.mode, self.cards[name])
        headers = [] if self.mode in ('no-etag', 'rewrite') else [('ETag', tag)]
        self.answer(204 if old else 201, headers=headers)


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True


main = Server(('127.0.0.1', 0), Handler)
port = main.server_address[1]
# The other host of the redirect: listening, so that a request sent there would be seen.
other = Server(('127.0.0.2', port), Handler)
threading.Thread(target=other.serve_forever, daemon=True).start()
print(port, flush=True)
main.serve_forever()
