#!/usr/bin/perl
# Copies C++ sources with every non-ASCII character of a narrow string or
# character literal written as GBK octal escapes, the bytes that
# -fexec-charset=GBK gives. Clang only knows UTF-8 as execution charset, so
# the fuzz build compiles these copies. Identifiers and comments stay UTF-8.
# Usage: gbk-literals.pl FROM_ROOT TO_ROOT FILE... (FILE relative to FROM_ROOT)
# A copy is rewritten only when its text changes, so timestamps stay useful.
use strict;
use warnings;
use Encode qw(decode encode);
use File::Basename qw(dirname);
use File::Path qw(make_path);

my ($from, $to, @files) = @ARGV;

sub gbk_escaped {
    my ($text) = @_;
    return join '', map { sprintf '\\%03o', ord } split //, encode('gbk', $text, Encode::FB_CROAK);
}

sub convert {
    my ($code) = @_;
    my $out = '';
    # Comments and literals, in the order they come; anything else is copied.
    while ($code =~ m{\G(.*?)(//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|'(?:\\.|[^'\\\n])*')}gsc) {
        my ($before, $token) = ($1, $2);
        $out .= $before;
        my $prefixed = $before =~ /(?:\bL|\bu8?|\bU|\bR)\z/;
        if ($token =~ /^["']/ && !$prefixed) {
            $token =~ s/([^\x00-\x7f]+)/gbk_escaped($1)/ge;
        }
        $out .= $token;
    }
    $code =~ /\G(.*)\z/s;
    return $out . $1;
}

for my $file (@files) {
    open my $in, '<:raw', "$from/$file" or die "$from/$file: $!";
    my $text = decode('UTF-8', do { local $/; <$in> }, Encode::FB_CROAK);
    close $in;
    my $result = encode('UTF-8', convert($text));
    my $target = "$to/$file";
    if (open my $old, '<:raw', $target) {
        my $was = do { local $/; <$old> };
        close $old;
        next if defined $was && $was eq $result;
    }
    make_path(dirname($target));
    open my $outf, '>:raw', $target or die "$target: $!";
    print $outf $result;
    close $outf;
}
