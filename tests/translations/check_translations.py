#!/usr/bin/env python3
"""Fails when a text of the program has no finished translation.

check_translations.py LUPDATE SOURCE_DIR TS_FILE...

A text handed to a helper of the program's own that translates its argument
(such as translated("...")) fails as well unless QT_TRANSLATE_NOOP marks it:
lupdate does not read such a call, so the text would reach the user in English.

Each .ts file is brought up to date with the sources in a temporary copy, as
the target update_translations would, so that a text added to the code but not
yet to the .ts files fails too. Then every text must have a finished
translation with the same placeholders, the same accelerator mark, and the
blanks at its ends that the English text has.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = {'de': 'German', 'fr': 'French'}


def text_of(element):
    """The text of a <source> or <translation>, with <byte value="xd"/> as the character."""
    if element is None:
        return ''
    text = element.text or ''
    for child in element:
        if child.tag == 'byte':
            text += chr(int(child.get('value').lstrip('x'), 16))
        text += child.tail or ''
    return text


def messages(path):
    """(context, source, comment) -> (translation, type, locations) of a .ts file."""
    result = {}
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            key = (name, text_of(message.find('source')), message.findtext('comment') or '')
            # lupdate writes the places of a text relative to the .ts file.
            locations = ['%s:%s' % (os.path.normpath(os.path.join(os.path.dirname(path), l.get('filename'))),
                                    l.get('line')) for l in message.iter('location')]
            result[key] = (text_of(translation), translation.get('type', '') if translation is not None else
                           'unfinished', locations)
    return result


def accelerators(text):
    return re.findall(r'&(?!&)(.)', text.replace('&&', ''))


def problems_of(key, translation, kind, language):
    context, source, comment = key
    if kind in ('unfinished', 'vanished', 'obsolete') or not translation:
        return ['has no %s translation' % language]
    found = []
    if sorted(set(re.findall(r'%\d', source))) != sorted(set(re.findall(r'%\d', translation))):
        found.append('the %s translation has other placeholders (%%1, %%2, ...) than the English text'
                     % language)
    if len(accelerators(source)) != len(accelerators(translation)):
        found.append('the %s translation %s an accelerator (&)' %
                     (language, 'lacks' if accelerators(source) else 'has'))
    for end, test in (('start', str.startswith), ('end', str.endswith)):
        if test(source, ' ') != test(translation, ' '):
            found.append('the %s translation differs from the English text in the blank at its %s'
                         % (language, end))
    return found


# A function of one text argument, and its body.
HELPER = re.compile(r'QString\s+(\w+)\s*\(\s*const\s+char\s*\*\s*(\w+)\s*\)\s*\{([^{}]*)\}')


def unseen_texts(sources):
    """Texts handed as literals to a translating helper, where lupdate does not see them."""
    found = []
    for folder, _, files in os.walk(sources):
        for name in sorted(files):
            if not name.endswith(('.cpp', '.h')):
                continue
            path = os.path.join(folder, name)
            with open(path, encoding='utf-8') as source:
                code = source.read()
            helpers = {m.group(1) for m in HELPER.finditer(code)
                       if re.search(r'\b(translate|tr)\s*\(.*\b%s\b' % m.group(2), m.group(3), re.S)}
            for helper in helpers:
                for call in re.finditer(r'\b%s\(\s*("(?:[^"\\]|\\.)*")' % helper, code):
                    line = code.count('\n', 0, call.start()) + 1
                    found.append('%s:%d: %s passes through %s(), which lupdate does not read, and reaches the '
                                 'user untranslated: mark it with QT_TRANSLATE_NOOP.'
                                 % (os.path.relpath(path, os.path.dirname(os.path.abspath(sources))), line,
                                    call.group(1), helper))
    return found


def main():
    lupdate, sources, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    failures = unseen_texts(sources)
    with tempfile.TemporaryDirectory() as temporary:
        for ts in ts_files:
            name = os.path.basename(ts)
            code = re.match(r'hourframe_(\w\w)', name).group(1)
            language = LANGUAGES.get(code, code)
            updated = os.path.join(temporary, name)
            shutil.copyfile(ts, updated)
            subprocess.run([lupdate, '-silent', '-no-obsolete', '-locations', 'absolute', '-extensions', 'cpp,h',
                            '-I', sources, sources, '-ts', updated], check=True)
            checked_in = messages(ts)
            for key, (translation, kind, locations) in messages(updated).items():
                for problem in problems_of(key, translation, kind, language):
                    where = (os.path.relpath(locations[0], os.path.dirname(os.path.abspath(sources)))
                             if locations else key[0])
                    failures.append('%s: "%s" (%s) %s in %s.' % (where, key[1], key[0], problem, ts))
            gone = set(checked_in) - set(messages(updated))
            for context, source, _ in sorted(gone):
                failures.append('"%s" (%s) is in %s but no longer in the program.' % (source, context, ts))
    if failures:
        print('\n'.join(failures))
        print('\n%d problems. To fix them: build the target update_translations, which brings the .ts files up '
              'to date with the code, then translate the texts marked unfinished (Qt Linguist, or the .ts file in '
              'an editor) and build again. See HACKING.md, "Texts and translations".' % len(failures))
        return 1
    print('Every text has a finished translation in %s.' % ', '.join(os.path.basename(t) for t in ts_files))
    return 0


if __name__ == '__main__':
    sys.exit(main())
