#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Every relative link and image of README.md and docs/*.md reaches a file or folder of the tree,
# and every anchor (#...) a heading of the page it points into (GitHub's heading ids). Links with
# a scheme (https:, mailto:) are not followed; code (spans, fenced and indented blocks) is no
# link. Lists each broken link as FILE:LINE and fails if there is one. The test suite runs it.
#   tools/link-check.sh [SOURCE_DIR] [--pending PATH]...
# --pending names a target that another branch brings: its links may be broken until then, and
# the check fails once PATH exists, so that the exception goes with the merge.
set -euo pipefail
root=$(dirname "$0")/..
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
  root=$1
  shift
fi
pending=()
while [ $# -gt 0 ]; do
  case "$1" in
    --pending) pending+=("$2"); shift 2 ;;
    *) echo "usage: tools/link-check.sh [SOURCE_DIR] [--pending PATH]..." >&2; exit 2 ;;
  esac
done
cd "$root"

status=0
for path in "${pending[@]}"; do
  if [ -e "$path" ]; then
    echo "link-check: $path exists now: drop '--pending $path' where the check is called" >&2
    status=1
  fi
done

files=(README.md)
for page in docs/*.md; do [ -e "$page" ] && files+=("$page"); done

PENDING=$(printf '%s\n' "${pending[@]}") perl -CSD -Mutf8 -e '
use strict;
use warnings;
use File::Basename qw(dirname);

my %pending = map { $_ => 1 } grep { length } split /\n/, $ENV{PENDING} // "";
my %anchors;    # page => { id => 1 }

# The ids GitHub gives the headings of a page: lower case, punctuation other than "-" and "_"
# dropped, spaces as "-", a repeated id numbered -1, -2, ...
sub anchors_of {
  my ($page) = @_;
  return $anchors{$page} if $anchors{$page};
  my %ids;
  my %seen;
  open my $in, "<", $page or return $anchors{$page} = {};
  my $fenced = 0;
  while (my $line = <$in>) {
    if ($line =~ /^\s*(```|~~~)/) { $fenced = !$fenced; next; }
    next if $fenced;
    next unless $line =~ /^#{1,6}\s+(.*?)\s*#*\s*$/;
    my $id = lc $1;
    $id =~ s/`//g;
    $id =~ s/\[([^\]]*)\]\([^)]*\)/$1/g;
    $id =~ s/[^\p{L}\p{N}\p{M} _-]//g;
    $id =~ s/ /-/g;
    my $n = $seen{$id}++;
    $ids{$n ? "$id-$n" : $id} = 1;
  }
  return $anchors{$page} = \%ids;
}

# A path of the tree as written from its top: "docs/../README.md" is "README.md".
sub tree_path {
  my @parts;
  for my $part (split m{/+}, shift) {
    next if $part eq "." || $part eq "";
    if ($part eq ".." && @parts && $parts[-1] ne "..") { pop @parts; } else { push @parts, $part; }
  }
  return join "/", @parts;
}

my $broken = 0;
for my $page (@ARGV) {
  open my $in, "<", $page or die "link-check: cannot read $page\n";
  my $dir = dirname($page);
  my ($fenced, $previous_blank) = (0, 1);
  my $number = 0;
  while (my $line = <$in>) {
    $number++;
    chomp $line;
    if ($line =~ /^\s*(```|~~~)/) { $fenced = !$fenced; next; }
    next if $fenced;
    if ($line =~ /^(    |\t)/ && $previous_blank) { next; }    # an indented code block
    $previous_blank = $line =~ /^\s*$/ ? 1 : ($line =~ /^(    |\t)/ ? $previous_blank : 0);
    $line =~ s/`[^`]*`//g;
    my @targets;
    push @targets, $1 while $line =~ /\]\(\s*<?([^)\s>]+)>?(?:\s+"[^"]*")?\s*\)/g;
    push @targets, $1 while $line =~ /^\s*\[[^\]]+\]:\s*<?(\S+?)>?(?:\s+"[^"]*")?\s*$/g;
    push @targets, $1 while $line =~ /<img\b[^>]*\bsrc="([^"]+)"/g;
    for my $target (@targets) {
      next if $target =~ /^[a-z][a-z0-9+.-]*:/i;
      my ($file, $anchor) = split /#/, $target, 2;
      my $resolved = length $file ? tree_path("$dir/$file") : $page;
      if (!-e $resolved) {
        next if $pending{$resolved};
        print STDERR "link-check: $page:$number: $target: no such file ($resolved)\n";
        $broken++;
        next;
      }
      next unless defined $anchor && length $anchor;
      next unless $resolved =~ /\.md$/;
      next if anchors_of($resolved)->{lc $anchor};
      print STDERR "link-check: $page:$number: $target: no heading #$anchor in $resolved\n";
      $broken++;
    }
  }
}
exit($broken ? 1 : 0);
' "${files[@]}" || status=1
exit "$status"
