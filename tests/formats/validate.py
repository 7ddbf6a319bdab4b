#!/usr/bin/python3
"""Checks files against the published file formats (docs/formats).

    validate.py SCHEMA [--lines] FILE...

SCHEMA is sheet, roster or journal-line. With --lines every non-blank line of
each file is a document of its own (JSON Lines, as orvandel-cli writes a batch
or a journal). Prints one line for each file that does not validate and exits
with status 1 when there was any; the schemas refer to each other by their
$id, which is looked up among the schema files, never on the network.
"""

import argparse
import json
import pathlib
import sys

import jsonschema

FORMATS = pathlib.Path(__file__).resolve().parents[2] / "docs" / "formats"


class NoNetwork(Exception):
    pass


def refuse_remote(uri):
    raise NoNetwork(f"{uri} is not one of the schemas in {FORMATS}")


def validator(name):
    """The validator of docs/formats/NAME.schema.json, every schema file at hand."""
    schemas = {}
    for path in sorted(FORMATS.glob("*.schema.json")):
        schema = json.loads(path.read_text(encoding="utf-8"))
        jsonschema.Draft202012Validator.check_schema(schema)
        schemas[path.name] = schema
    root = schemas[f"{name}.schema.json"]
    resolver = jsonschema.RefResolver.from_schema(
        root,
        store={schema["$id"]: schema for schema in schemas.values()},
        handlers={"http": refuse_remote, "https": refuse_remote},
    )
    return jsonschema.Draft202012Validator(root, resolver=resolver)


def documents(path, lines):
    """(line number or None, parsed document) for each document of the file."""
    text = pathlib.Path(path).read_text(encoding="utf-8")
    if not lines:
        return [(None, json.loads(text))]
    return [(n, json.loads(line)) for n, line in enumerate(text.splitlines(), 1) if line.strip()]


def problem(check, path, lines):
    """Why the file does not validate, or None; and how many documents it held."""
    try:
        found = documents(path, lines)
    except (OSError, UnicodeDecodeError, json.JSONDecodeError) as error:
        return f"{path}: {error}", 0
    if not found:
        return f"{path}: no document in the file", 0
    for number, document in found:
        error = jsonschema.exceptions.best_match(check.iter_errors(document))
        if error is not None:
            where = f"line {number}: " if number else ""
            at = "/".join(str(part) for part in error.absolute_path) or "(the document)"
            return f"{path}: {where}{at}: {error.message}", len(found)
    return None, len(found)


def main():
    parser = argparse.ArgumentParser(description="Checks files against Orvandel's file formats.")
    parser.add_argument("schema", choices=["sheet", "roster", "journal-line"])
    parser.add_argument("--lines", action="store_true", help="each line of a file is a document")
    parser.add_argument("files", nargs="+")
    arguments = parser.parse_args()
    check = validator(arguments.schema)
    invalid = 0
    for path in arguments.files:
        reason, _ = problem(check, path, arguments.lines)
        if reason:
            print(reason)
            invalid += 1
    return 1 if invalid else 0


if __name__ == "__main__":
    sys.exit(main())
