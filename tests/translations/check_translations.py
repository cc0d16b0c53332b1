#!/usr/bin/env python3
"""Fails when a text of the program has no finished translation.

check_translations.py LUPDATE SOURCE_DIR TS_FILE...

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


def main():
    lupdate, sources, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    failures = []
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
