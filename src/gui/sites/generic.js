// Any other webmail, read from what its pages tell a browser and a screen reader: headers by
// their labels (in page text, table cells, definition lists and aria-labels) in the eight
// languages Postling knows, message rows as table or ARIA rows holding a check box, in this
// document and in any frame of the same origin. Nothing is guessed: what is not found is left
// out, and the profile names it.
(function () {
    'use strict';
    var p = window.postling;
    if (!p || p.sites.generic) {
        return;
    }
    var u = p.util;

    // English, German, French, Italian, Spanish, Portuguese, Dutch, Swedish.
    var LABELS = {
        from: ['from', 'sender', 'von', 'absender', 'de', 'expéditeur', 'da', 'mittente',
               'remitente', 'remetente', 'van', 'afzender', 'från', 'avsändare'],
        to: ['to', 'an', 'à', 'a', 'para', 'aan', 'till', 'destinataire', 'destinatario',
             'destinatário', 'empfänger', 'ontvanger', 'mottagare'],
        cc: ['cc', 'kopie', 'copie', 'copia', 'cópia', 'kopia'],
        subject: ['subject', 'betreff', 'objet', 'sujet', 'oggetto', 'asunto', 'assunto',
                  'onderwerp', 'ämne'],
        date: ['date', 'datum', 'data', 'fecha', 'sent', 'gesendet', 'envoyé', 'inviato',
               'enviado', 'verzonden', 'skickat']
    };
    var UNREAD = ['unread', 'ungelesen', 'non lu', 'non-lu', 'nonlu', 'non letto', 'non-letto',
                  'nonletto', 'no leído', 'no leido', 'noleido', 'não lida', 'nao lida',
                  'ongelezen', 'oläst', 'olast', 'new', 'neu', 'nouveau', 'nuovo', 'nuevo',
                  'nova', 'nieuw', 'ny'];
    var BODY = ['message body', 'message text', 'nachrichtentext', 'corps du message',
                'testo del messaggio', 'cuerpo del mensaje', 'corpo da mensagem',
                'berichttekst', 'meddelandetext'];

    // A label as compared: trimmed, lower case, without its colon.
    function norm(text) {
        return u.lower(text).replace(/[\u00a0\s]+/g, ' ').replace(/\s*:\s*$/, '').trim();
    }

    function kindOf(label) {
        var n = norm(label);
        for (var kind in LABELS) {
            if (LABELS[kind].indexOf(n) >= 0) {
                return kind;
            }
        }
        return null;
    }

    function text(el) {
        return el ? String(el.innerText || el.textContent || '').replace(/\u00a0/g, ' ').trim()
                  : '';
    }

    // This document and the documents of its frames that the page may read (same origin).
    function documents() {
        var docs = [document];
        for (var i = 0; i < docs.length; i++) {
            var frames = docs[i].querySelectorAll('iframe, frame');
            for (var k = 0; k < frames.length; k++) {
                try {
                    var d = frames[k].contentDocument;
                    if (d && d.body && docs.indexOf(d) < 0) {
                        docs.push(d);
                    }
                } catch (e) { /* another origin */ }
            }
        }
        return docs;
    }

    // Label-value pairs of a document, by the first way of labelling that gives each. A label
    // that one way gives twice with other values (a list of search results, a thread) names no
    // one message: it is left out.
    function labelled(doc, at) {
        function each(selector, read) {
            var found = {};
            var twice = {};
            var where = {};
            Array.prototype.forEach.call(doc.querySelectorAll(selector), function (el) {
                var pair = read(el);
                var value = pair && String(pair[1] || '').replace(/\s+/g, ' ').trim();
                if (!pair || !pair[0] || !value || kindOf(value)) {
                    return;
                }
                if (pair[0] in found && found[pair[0]] !== value) {
                    twice[pair[0]] = true;
                }
                found[pair[0]] = value;
                where[pair[0]] = el;
            });
            found[' at'] = where;
            Object.keys(twice).forEach(function (kind) {
                delete found[kind];
            });
            return found;
        }
        // A value cell's text without the links beside it ("Ann <ann@x> | Add to Address
        // Book"): actions, not part of the value, unless the value is the link.
        // A mail link counts as its name and address.
        function valueText(cell) {
            var all = text(cell);
            var copy = cell.cloneNode(true);
            Array.prototype.forEach.call(copy.querySelectorAll('a'), function (a) {
                var href = a.getAttribute('href') || '';
                var mail = /^mailto:([^?]*)/i.exec(href);
                var name = String(a.textContent || '').trim();
                var address = mail ? decodeURIComponent(mail[1]) : '';
                a.replaceWith(!mail ? ' '
                              : !name || name === address ? address
                              : name + ' <' + address + '>');
            });
            var rest = String(copy.textContent || '').replace(/[\u00a0\s]+/g, ' ')
                .replace(/[\s|\u00b7\-\u2013\u2014,]+$/, '').trim();
            return rest || all;
        }
        var ways = [
            // "From: Ann <ann@x>" as an accessible name of its own, or "From" on the value.
            each('[aria-label]', function (el) {
                var name = el.getAttribute('aria-label');
                var m = /^([^:]{1,30}):\s*(.+)$/.exec(name);
                if (m) {
                    return [kindOf(m[1]), m[2]];
                }
                return el.querySelector('input') ? null : [kindOf(name), text(el)];
            }),
            // Definition lists and two-cell rows: the label, then its value.
            each('dt', function (dt) {
                var dd = dt.nextElementSibling;
                return dd && dd.tagName === 'DD' ? [kindOf(text(dt)), text(dd)] : null;
            }),
            each('tr', function (tr) {
                var c = Array.prototype.filter.call(tr.children, function (x) {
                    return x.tagName === 'TD' || x.tagName === 'TH';
                });
                return c.length === 2 ? [kindOf(text(c[0])), valueText(c[1])] : null;
            }),
            // A label element of its own ("From:") followed by its value.
            each('span, b, strong, label, div, td', function (el) {
                if (el.children.length || !/:\s*$/.test(el.textContent || '')) {
                    return null;
                }
                // "<span>Subject: </span>Lunch": the text right after the label.
                var after = el.nextSibling;
                if (after && after.nodeType === 3 && after.nodeValue.trim()) {
                    return [kindOf(el.textContent), after.nodeValue];
                }
                var next = el.nextElementSibling;
                var rest = el.parentElement ? text(el.parentElement).slice(text(el).length) : '';
                return [kindOf(text(el)), next ? text(next) : rest];
            })
        ];
        var found = {};
        ways.forEach(function (way) {
            Object.keys(way).forEach(function (kind) {
                if (kind !== ' at' && !(kind in found)) {
                    found[kind] = way[kind];
                    if (at) {
                        at[kind] = way[' at'][kind];
                    }
                }
            });
        });
        return found;
    }

    // With nothing named as the body: the first block of text after the headers' own block
    // (past rules and the like), as a page that shows headers above the message lays it out.
    function bodyAfter(headerEl) {
        var block = headerEl && headerEl.closest('table, dl, header, section, div');
        for (var el = block; el && el !== el.ownerDocument.body; el = el.parentElement) {
            for (var next = el.nextElementSibling; next; next = next.nextElementSibling) {
                if (/^(HR|BR|SCRIPT|STYLE)$/.test(next.tagName)) {
                    continue;
                }
                if (text(next) && !next.querySelector('input, select, textarea') &&
                    !labelledKind(next)) {
                    return next;
                }
                break;
            }
        }
        return null;
    }

    function labelledKind(el) {
        return Array.prototype.some.call(el.querySelectorAll('td, th, dt, b, strong, label'),
                                         function (c) { return !c.children.length &&
                                                               kindOf(text(c)); });
    }

    // The element that holds the message text: named so for a screen reader or by its class.
    function bodyElement(doc) {
        var all = doc.querySelectorAll('[aria-label], [role=document], article, [id], [class]');
        for (var i = 0; i < all.length; i++) {
            var el = all[i];
            var name = norm(el.getAttribute('aria-label') || '');
            var ident = u.lower((el.id || '') + ' ' + (typeof el.className === 'string'
                                                         ? el.className : ''));
            if (BODY.indexOf(name) >= 0 || el.getAttribute('role') === 'document' ||
                /(^|[\s_-])(message|mail|msg)[_-]?(body|content|text)($|[\s_-])/.test(ident)) {
                return el;
            }
        }
        return null;
    }

    // The message on screen: the document (or frame) whose labels give most headers.
    function message() {
        var best = null;
        documents().forEach(function (doc) {
            var at = {};
            var h = labelled(doc, at);
            var n = Object.keys(h).length;
            if (n && (!best || n > best.count)) {
                best = {doc: doc, headers: h, count: n, at: at};
            }
        });
        return best;
    }

    function isCheckbox(el) {
        return (el.tagName === 'INPUT' && u.lower(el.type) === 'checkbox') ||
               el.getAttribute('role') === 'checkbox';
    }

    function isChecked(box) {
        return box.tagName === 'INPUT' ? !!box.checked : box.getAttribute('aria-checked') === 'true';
    }

    // Message rows: table rows or ARIA rows with one check box, not the header's "select all",
    // in a list whose columns name a sender or subject or whose rows have two cells of text
    // beside the box (a settings page's rows of options have one).
    function list() {
        var docs = documents();
        for (var d = 0; d < docs.length; d++) {
            var rows = Array.prototype.filter.call(
                docs[d].querySelectorAll('tr, [role=row]'), function (row) {
                    if (row.closest('thead') || row.querySelector('th, [role=columnheader]') ||
                        headerRow(row)) {
                        return false;
                    }
                    var col = columns(row);
                    var boxes = Array.prototype.filter.call(
                        row.querySelectorAll('input, [role=checkbox]'), isCheckbox);
                    // A box a person cannot see is not theirs to tick.
                    return boxes.length === 1 && onShow(boxes[0]) &&
                           ('from' in col || 'subject' in col || cells(row).length >= 3);
                });
            if (rows.length) {
                return {doc: docs[d], rows: rows};
            }
        }
        return null;
    }

    function onShow(el) {
        return el.getClientRects().length > 0 &&
               el.ownerDocument.defaultView.getComputedStyle(el).visibility !== 'hidden';
    }

    function box(row) {
        return Array.prototype.filter.call(row.querySelectorAll('input, [role=checkbox]'),
                                           isCheckbox)[0];
    }

    function cells(row) {
        return Array.prototype.filter.call(row.children, function (c) {
            return c.tagName === 'TD' || /^(gridcell|cell)$/.test(c.getAttribute('role') || '');
        });
    }

    // A row of column names drawn in plain cells (a "select all" box beside them): two or
    // more of its cells name a sender, subject or date.
    function headerRow(row) {
        return cells(row).filter(function (c) {
            return !c.querySelector('a') && /^(from|subject|date)$/.test(kindOf(text(c)) || '');
        }).length >= 2;
    }

    // The columns the list's header names: {from: index, subject: index}.
    // A list's header is read once per call over its rows, not once per row.
    var headers = null;

    function columns(row) {
        var table = row.closest('table, [role=grid], [role=table], [role=treegrid]');
        var named = headers && table && headers.get(table);
        if (!named) {
            var heads = table ? table.querySelectorAll('th, [role=columnheader]') : [];
            if (table && !heads.length) {
                var head = Array.prototype.find.call(table.querySelectorAll('tr'), headerRow);
                heads = head ? cells(head) : [];
            }
            named = {count: heads.length, kinds: {}};
            Array.prototype.forEach.call(heads, function (h, i) {
                var kind = kindOf(h.getAttribute('aria-label') || text(h));
                if (kind && !(kind in named.kinds)) {
                    named.kinds[kind] = i;
                }
            });
            if (headers && table) {
                headers.set(table, named);
            }
        }
        // Columns hidden or merged: the header does not say which cell is which.
        return named.count === cells(row).length ? named.kinds : {};
    }

    function withHeaders(work) {
        headers = new Map();
        try {
            return work();
        } finally {
            headers = null;
        }
    }

    function hasWord(textValue, words) {
        var t = ' ' + u.lower(textValue).replace(/[_-]/g, ' ') + ' ';
        return words.some(function (w) {
            return t.indexOf(' ' + w.replace(/-/g, ' ') + ' ') >= 0;
        });
    }

    // Unread as the row shows it: bold, or a class, state or icon that says so.
    function unread(row, doc) {
        var marks = [typeof row.className === 'string' ? row.className : '',
                     row.getAttribute('aria-label') || ''];
        Array.prototype.forEach.call(row.querySelectorAll('[class], [aria-label], [title], img[alt]'),
            function (el) {
                marks.push(typeof el.className === 'string' ? el.className : '',
                           el.getAttribute('aria-label') || '', el.getAttribute('title') || '',
                           el.getAttribute('alt') || '');
            });
        if (marks.some(function (m) { return hasWord(m, UNREAD); })) {
            return true;
        }
        if (row.querySelector('b, strong')) {
            return true;
        }
        var view = doc.defaultView;
        return cells(row).concat([row]).some(function (c) {
            var w = view.getComputedStyle(c).fontWeight;
            return parseInt(w, 10) >= 600 || w === 'bold';
        });
    }

    // For the compose side (generic-compose.js).
    u.meaning = {documents: documents, text: text, norm: norm};

    p.sites.generic = {
        messagePage: function () {
            var m = message();
            if (!m) {
                return {error: 'nomessage'};
            }
            var body = bodyElement(m.doc) || bodyAfter(m.at.from || m.at.subject);
            return {text: '', headers: m.headers, bodyHtml: body ? body.innerHTML : null};
        },

        inboxRows: function () {
            return withHeaders(inboxRows);
        },

        // Ticks as a person does, with a click, so the site's own scripts see it.
        setChecked: function (indices, value, reasons) {
            return withHeaders(function () {
                return setChecked(indices, value, reasons);
            });
        }
    };

    function inboxRows() {
        var l = list();
        if (!l) {
            return {error: 'nolist'};
        }
        return {rows: l.rows.map(function (row) {
            var c = cells(row);
            var col = columns(row);
            var parts = ['from', 'subject'].filter(function (k) {
                return k in col && c[col[k]];
            }).map(function (k) {
                return text(c[col[k]]);
            });
            var b = box(row);
            return {text: parts.length ? parts.join('\t') : text(row),
                    className: unread(row, l.doc) ? 'unread' : '', bold: false,
                    newmail: false, checked: isChecked(b), checkbox: true,
                    title: String(row.title || '')};
        })};
    }

    function setChecked(indices, value, reasons) {
        var l = list();
        if (!l) {
            return {error: 'nolist'};
        }
        indices.forEach(function (i, k) {
            var row = l.rows[i];
            if (!row) {
                return;
            }
            var b = box(row);
            if (isChecked(b) !== value) {
                b.click();
            }
            u.setWhy(row, value, reasons && reasons[k]);
        });
        return {changed: indices.length};
    }
})();
