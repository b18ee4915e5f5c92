// The compose side of any other webmail: the form's fields found by what they are called (label,
// accessible name, placeholder, name or id, the cell beside them) in the eight label languages,
// the body in a text area or an editable area (also a rich editor's frame), a recipient widget
// given its addresses as a person types them, and Send as the button that says so. What a send
// turns out to be is reported for Postling to judge: the fields at the click, then the page's
// notices and whether the form is still there.
(function () {
    'use strict';
    var p = window.postling;
    var g = p && p.sites.generic;
    if (!g || g.send) {
        return;
    }
    var u = p.util, m = u.meaning;

    // What fields are called, in English, German, French, Italian, Spanish, Portuguese, Dutch
    // and Swedish; `names` are the words of a field's name or id.
    var FIELDS = {
        to: {words: ['to', 'an', 'à', 'a', 'para', 'aan', 'till', 'recipient', 'recipients',
                     'destinataire', 'destinataires', 'destinatario', 'destinatari',
                     'destinatarios', 'destinatário', 'destinatários', 'empfänger', 'ontvanger',
                     'ontvangers', 'mottagare'],
             names: ['to', 'rcpt', 'recipient', 'recipients']},
        cc: {words: ['cc', 'kopie', 'copie', 'copia', 'cópia', 'kopia'], names: ['cc']},
        bcc: {words: ['bcc', 'blindkopie', 'bkopie', 'cci', 'ccn', 'cco', 'bkopia', 'dold kopia'],
              names: ['bcc']},
        subject: {words: ['subject', 'betreff', 'objet', 'sujet', 'oggetto', 'asunto', 'assunto',
                          'onderwerp', 'ämne'],
                  names: ['subject', 'subj']},
        body: {words: ['message', 'body', 'text', 'message body', 'message text', 'nachricht',
                       'nachrichtentext', 'text der nachricht', 'corps', 'corps du message',
                       'messaggio', 'testo', 'testo del messaggio', 'mensaje', 'cuerpo',
                       'cuerpo del mensaje', 'mensagem', 'corpo', 'corpo da mensagem', 'bericht',
                       'berichttekst', 'meddelande', 'meddelandetext'],
               names: ['body', 'message', 'msg', 'text', 'content']}
    };
    var SEND = ['send', 'send message', 'senden', 'absenden', 'nachricht senden', 'envoyer',
                'invia', 'inviare', 'enviar', 'verzenden', 'versturen', 'skicka'];
    var RECIPIENTS = ['to', 'cc', 'bcc'];
    var NEW_MESSAGE = ['new message', 'compose', 'write', 'new mail', 'new email', 'write mail',
                       'neue nachricht', 'verfassen', 'schreiben', 'nouveau message', 'écrire',
                       'rédiger', 'nuovo messaggio', 'scrivi', 'componi', 'nuevo mensaje',
                       'redactar', 'escribir', 'nova mensagem', 'escrever', 'nieuw bericht',
                       'opstellen', 'schrijven', 'nytt meddelande', 'skriv'];

    // On show to a person: laid out, not transparent, not moved off the page (where widgets
    // keep the field they read from).
    function shown(el) {
        if (!el.getClientRects || !el.getClientRects().length) {
            return false;
        }
        var style = el.ownerDocument.defaultView.getComputedStyle(el);
        var box = el.getBoundingClientRect();
        return style.visibility !== 'hidden' && parseFloat(style.opacity) > 0 && box.right > 0 &&
               box.bottom > 0;
    }

    function kindOfWords(label) {
        var n = m.norm(label);
        for (var kind in FIELDS) {
            if (FIELDS[kind].words.indexOf(n) >= 0) {
                return kind;
            }
        }
        return null;
    }

    function kindOfName(name) {
        var words = String(name || '').replace(/([a-z])([A-Z])/g, '$1 $2').toLowerCase()
            .split(/[^a-z]+/).filter(Boolean);
        var last = words[words.length - 1];
        for (var kind in FIELDS) {
            if (last && FIELDS[kind].names.indexOf(last) >= 0) {
                return kind;
            }
        }
        return null;
    }

    // What a field is called, most telling first: its labels, its accessible name, its
    // placeholder and title, the cell before it in a table of fields, then its name and id.
    function kindOfField(el) {
        var doc = el.ownerDocument;
        var said = [];
        Array.prototype.forEach.call(el.labels || [], function (l) { said.push(m.text(l)); });
        (el.getAttribute('aria-labelledby') || '').split(/\s+/).forEach(function (id) {
            var l = id && doc.getElementById(id);
            if (l) {
                said.push(m.text(l));
            }
        });
        said.push(el.getAttribute('aria-label'), el.getAttribute('placeholder'),
                  el.getAttribute('title'));
        var cell = el.closest('td, [role=gridcell], dd');
        var before = cell && cell.previousElementSibling;
        if (before) {
            said.push(m.text(before));
        }
        for (var i = 0; i < said.length; i++) {
            var kind = said[i] && kindOfWords(said[i]);
            if (kind) {
                return kind;
            }
        }
        return kindOfName(el.getAttribute('name')) || kindOfName(el.id);
    }

    function editableFrame(el) {
        if (el.tagName !== 'IFRAME') {
            return null;
        }
        try {
            var d = el.contentDocument;
            var b = d && d.body;
            return b && (b.isContentEditable || d.designMode === 'on') ? b : null;
        } catch (e) {
            return null;
        }
    }

    var FIELD_SELECTOR = 'input, textarea, [contenteditable=""], [contenteditable=true], ' +
                         '[role=textbox], [role=combobox], iframe';
    var NOT_TEXT = ['hidden', 'checkbox', 'radio', 'submit', 'button', 'image', 'password',
                    'file', 'reset', 'search', 'range', 'color', 'date', 'number'];

    // The compose form: the fields of one form (or page) by kind, preferring those on show;
    // null where no To, Subject or body field is on the page.
    function compose() {
        var docs = m.documents();
        var best = null;
        docs.forEach(function (doc) {
            var byForm = new Map();
            Array.prototype.forEach.call(doc.querySelectorAll(FIELD_SELECTOR), function (el) {
                if (el.tagName === 'INPUT' && NOT_TEXT.indexOf(u.lower(el.type)) >= 0) {
                    return;
                }
                if (el.closest('[contenteditable=""], [contenteditable=true]') !== el &&
                    el.closest('[contenteditable=""], [contenteditable=true]')) {
                    return; // inside an editable area: part of its text
                }
                var frameBody = editableFrame(el);
                if (el.tagName === 'IFRAME' && !frameBody) {
                    return;
                }
                var kind = frameBody ? 'body' : kindOfField(el);
                var container = el.closest('form') || doc.body;
                if (!byForm.has(container)) {
                    byForm.set(container, {container: container, doc: doc, fields: {},
                                           areas: []});
                }
                var f = byForm.get(container);
                if (!kind && (el.tagName === 'TEXTAREA' || el.isContentEditable)) {
                    f.areas.push(el); // a body by its kind, if nothing else is called so
                }
                var field = frameBody ? frameBody : el;
                if (kind && (!f.fields[kind] || (!shown(f.fields[kind].el) && shown(el)))) {
                    f.fields[kind] = {el: field, frame: frameBody ? el : null};
                }
            });
            byForm.forEach(function (f) {
                if (!f.fields.body) {
                    var areas = f.areas.filter(shown);
                    if (areas.length === 1) {
                        f.fields.body = {el: areas[0], frame: null};
                    }
                } else if (!shown(f.fields.body.frame || f.fields.body.el)) {
                    // A rich editor hides the text area it writes to: the editor is the body.
                    var editor = f.areas.concat(frames(f.doc)).filter(shown)[0];
                    if (editor) {
                        f.fields.body = editor.tagName === 'IFRAME'
                            ? {el: editableFrame(editor), frame: editor} : {el: editor, frame: null};
                    }
                }
                var score = ['to', 'subject', 'body'].filter(function (k) {
                    return f.fields[k];
                }).length;
                if (f.fields.to && score && (!best || score > best.score)) {
                    f.score = score;
                    best = f;
                }
            });
        });
        return best;
    }

    function frames(doc) {
        return Array.prototype.filter.call(doc.querySelectorAll('iframe'), editableFrame);
    }

    function isArea(el) {
        return el.isContentEditable && el.tagName !== 'INPUT' && el.tagName !== 'TEXTAREA';
    }

    // A recipient widget: the tokens beside its text field, each an address it has taken.
    function tokens(el) {
        var host = el.parentElement;
        for (var up = 0; host && up < 3; up++, host = host.parentElement) {
            var found = Array.prototype.filter.call(
                host.querySelectorAll('[data-address], [role=option], [role=listitem], ' +
                                      '[class*=token], [class*=chip], [class*=recipient]'),
                function (t) {
                    return !t.contains(el) && !t.querySelector('input') &&
                           !t.closest('a, button, [role=button]') && tokenText(t);
                });
            if (found.length) {
                return found;
            }
        }
        return [];
    }

    function tokenText(t) {
        return (t.getAttribute('data-address') || m.text(t)).replace(/[\u00d7\u2715]/g, '')
            .replace(/[,;\s]+$/, '').trim();
    }

    function readField(kind, field) {
        var el = field.el;
        if (kind === 'body' && isArea(el)) {
            return u.crlf(el.innerText).replace(/\r\n$/, '');
        }
        var value = String(el.value !== undefined ? el.value : m.text(el));
        if (RECIPIENTS.indexOf(kind) >= 0) {
            // A widget's tokens, then what is typed but not yet taken (a widget that keeps
            // its tokens in the field too is not read twice).
            var given = tokens(el).map(tokenText);
            value = value.replace(/[,;\s]+$/, '').trim();
            if (value && !given.length || value && given.join(', ').indexOf(value) < 0 &&
                value.split(/[,;]\s*/).some(function (v) { return given.indexOf(v.trim()) < 0; })) {
                given.push(value);
            }
            return given.join(', ');
        }
        return value;
    }

    function key(el, name, code) {
        ['keydown', 'keypress', 'keyup'].forEach(function (type) {
            el.dispatchEvent(new KeyboardEvent(type, {key: name, code: name, keyCode: code,
                                                      which: code, bubbles: true,
                                                      cancelable: true}));
        });
    }

    function setText(el, value) {
        el.focus && el.focus();
        el.value = value;
        u.fire(el, 'input');
        u.fire(el, 'change');
    }

    // Addresses as a person gives them: into a plain field the line as it stands; into a
    // widget that turns each into a token, typed one by one, each ended with Enter.
    function giveRecipients(el, value) {
        if (!shown(el)) { // a widget's own hidden field: it reads the field on change
            setText(el, value);
            return;
        }
        var t = tokens(el);
        for (var n = 0; t.length && n < 100; n++) { // the tokens there go first, as Backspace
            setText(el, '');
            key(el, 'Backspace', 8);
            var left = tokens(el);
            if (left.length >= t.length) {
                var remove = t[t.length - 1].querySelector('button, [role=button]');
                if (!remove) {
                    break;
                }
                remove.click();
                left = tokens(el);
                if (left.length >= t.length) {
                    break;
                }
            }
            t = left;
        }
        var parts = String(value).split(/[,;]\s*/).map(function (s) { return s.trim(); })
            .filter(Boolean);
        if (!parts.length) {
            setText(el, value);
            return;
        }
        for (var i = 0; i < parts.length; i++) {
            setText(el, parts[i]);
            key(el, 'Enter', 13);
            if (i === 0 && el.value === parts[0] && !tokens(el).length) {
                setText(el, value); // no widget took it: a plain field
                return;
            }
        }
        if (el.value) { // the last one is typed but not yet ended
            key(el, ',', 188);
        }
    }

    function escapeHtml(text) {
        return String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
    }

    function writeField(kind, field, value) {
        var el = field.el;
        if (kind === 'body' && isArea(el)) {
            el.innerHTML = escapeHtml(value).replace(/\r?\n/g, '<br>');
            u.fire(el, 'input');
        } else if (RECIPIENTS.indexOf(kind) >= 0) {
            giveRecipients(el, value);
        } else {
            setText(el, value);
        }
    }

    function label(el) {
        return m.norm(el.getAttribute('aria-label') || el.getAttribute('title') ||
                      el.getAttribute('alt') || el.value || m.text(el));
    }

    // The control that sends: a button (or image, or link acting as one) that says Send, in the
    // form first, then on its page.
    function sendControl(c) {
        var pick = function (root) {
            return Array.prototype.filter.call(
                root.querySelectorAll('button, input[type=submit], input[type=image], ' +
                                      'input[type=button], [role=button], a'),
                function (el) { return SEND.indexOf(label(el)) >= 0 && !el.disabled; })
                .sort(function (a, b) { return shown(b) - shown(a); })[0];
        };
        return pick(c.container) || pick(c.doc);
    }

    // Where a page puts its notices: live regions for screen readers, or a box named for them.
    var NOTICES = '[role=alert], [role=status], [aria-live]:not([aria-live=off]), ' +
                  '[id*=messagestack], [id*=notification], [class*=notification], [id*=toast], ' +
                  '[class*=toast], [class*=flash-message], [class*=snackbar]';

    // Whether the site can be heard answering a send: a new page after a form's submission,
    // or a place on the page where it puts its notices.
    function answerable(c, control) {
        return !!((control.form && /^(submit|image)$/.test(u.lower(control.type))) ||
                  c.doc.querySelector(NOTICES));
    }

    function notices(doc) {
        var all = Array.prototype.filter.call(doc.querySelectorAll(NOTICES), function (n) {
            return !n.parentElement || !n.parentElement.closest(NOTICES);
        });
        return all.map(m.text).filter(Boolean).join('\n');
    }

    function snapshot(c) {
        var values = {};
        ['to', 'cc', 'bcc', 'subject', 'body'].forEach(function (k) {
            values[k] = c.fields[k] ? readField(k, c.fields[k]) : '';
        });
        return values;
    }

    // After a Send: the page's notices and whether the form is still there, as they change,
    // until the form goes or a minute has passed.
    var watching = null;
    function watch(doc) {
        if (watching) {
            watching.disconnect();
        }
        var started = Date.now();
        var last = '';
        var timer = null;
        var look = function () {
            timer = null;
            var c = compose();
            var text = notices(doc);
            var now = text + '|' + !!c;
            if (now !== last && (text || !c)) {
                last = now;
                u.siteMessage({kind: 'after', site: 'generic', text: text, compose: !!c});
            }
            if (!c || Date.now() - started > 60000) {
                watching.disconnect();
                watching = null;
            }
        };
        watching = new MutationObserver(function () {
            if (!timer) {
                timer = setTimeout(look, 150);
            }
        });
        watching.observe(doc.documentElement, {childList: true, subtree: true,
                                               characterData: true, attributes: true});
    }

    // A person's Send: what goes is reported before the site acts on it.
    document.addEventListener('click', function (event) {
        var target = event.target && event.target.closest &&
            event.target.closest('button, input, [role=button], a');
        if (!target || SEND.indexOf(label(target)) < 0) {
            return;
        }
        var c = compose();
        if (!c || sendControl(c) !== target) {
            return;
        }
        u.siteMessage({kind: 'sending', site: 'generic', fields: snapshot(c)});
        watch(document);
    }, true);

    g.composeShown = function () {
        return !!compose();
    };

    // The fields asked for by meaning ("to", "subject", ...): null for one the page lacks.
    // Also whether a Send control is there and whether the site's answer could be heard.
    g.formFields = function (formName, names) {
        var c = compose();
        if (!c) {
            return {error: 'noform'};
        }
        var values = {};
        names.forEach(function (n) {
            values[n] = c.fields[n] ? readField(n, c.fields[n]) : null;
        });
        var control = sendControl(c);
        return {fields: values, send: !!control, answer: !!control && answerable(c, control)};
    };

    // Writes every value, or nothing when a field to be given text is not on the page (an
    // empty value for a field the page lacks needs no field).
    g.setFormFields = function (formName, values) {
        var c = compose();
        if (!c) {
            return {error: 'noform'};
        }
        var missing = Object.keys(values).filter(function (n) {
            return !c.fields[n] && String(values[n]);
        });
        if (missing.length) {
            return {missing: missing};
        }
        Object.keys(values).forEach(function (n) {
            if (c.fields[n]) {
                writeField(n, c.fields[n], String(values[n]));
            }
        });
        return {missing: []};
    };

    // With no compose form on show: the control that opens one ("New message"), clicked as the
    // person would. Nothing happens where no control says so.
    g.openCompose = function () {
        if (compose()) {
            return {open: true};
        }
        var control = Array.prototype.filter.call(
            document.querySelectorAll('button, a[href], [role=button], input[type=button], ' +
                                      'input[type=submit]'),
            function (el) { return NEW_MESSAGE.indexOf(label(el)) >= 0 && shown(el); })[0];
        if (!control) {
            return {error: 'nocontrol'};
        }
        control.click();
        return {clicked: true};
    };

    g.send = function () {
        var c = compose();
        if (!c) {
            return {error: 'noform'};
        }
        var control = sendControl(c);
        if (!control) {
            return {error: 'nosend'};
        }
        control.click();
        return {submitted: true};
    };
})();
